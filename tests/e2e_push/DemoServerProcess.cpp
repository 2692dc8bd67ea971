#include "DemoServerProcess.h"
#include "Wait.h"
#include <QHash>
#include <QRegularExpression>

namespace {
const QString Program = QStringLiteral(ZEP_BINARY_DIR "/tools/demo-server/quenra-demo-server");
}

DemoServerProcess::DemoServerProcess(QString dataDir) : dataDir_(std::move(dataDir)) {
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, &process_, [this] { readOutput(); });
}

DemoServerProcess::~DemoServerProcess() { kill(); }

bool DemoServerProcess::start(const Ports& ports, const QStringList& extraArgs) {
    lines_.clear();
    pending_.clear();
    ports_ = Ports{};
    process_.start(Program, QStringList{"--login-port", QString::number(ports.login), "--identity-port",
                                        QString::number(ports.identity), "--push-port", QString::number(ports.push),
                                        "--http-port", QString::number(ports.http),
                                        // Frequent traffic keeps the waits short.
                                        "--heartbeat-ms", "200", "--quote-interval-ms", "200", "--news-interval-ms",
                                        "500", "--seed", "7", "--data", dataDir_} +
                                extraArgs);
    return waitForLine(QStringLiteral("Type \"kick")) && ports_.push && ports_.login;
}

void DemoServerProcess::kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
}

void DemoServerProcess::command(const QString& line) { process_.write((line + "\n").toUtf8()); }

bool DemoServerProcess::waitForLine(const QString& text, qsizetype from) {
    return waitUntil([&] { return count(text, from) > 0; });
}

qsizetype DemoServerProcess::count(const QString& text, qsizetype from) const {
    qsizetype n = 0;
    for (qsizetype i = from; i < lines_.size(); ++i) n += lines_[i].contains(text);
    return n;
}

void DemoServerProcess::readOutput() {
    pending_ += process_.readAllStandardOutput();
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(pending_.left(end));
        pending_.remove(0, end + 1);
        readPort(line);
        lines_ << line;
    }
}

// Where it listens: "login     udp 127.0.0.1:12346", ..., "web/files http://127.0.0.1:8080/ (...)".
void DemoServerProcess::readPort(const QString& line) {
    static const QRegularExpression listens(
        QStringLiteral("^\\s*(login|identity|push|web/files) +(?:udp |tcp |http://)[^:]+:(\\d+)"));
    const QHash<QString, int*> ports{
        {"login", &ports_.login}, {"identity", &ports_.identity}, {"push", &ports_.push}, {"web/files", &ports_.http}};
    if (const auto m = listens.match(line); m.hasMatch()) *ports.value(m.captured(1)) = m.captured(2).toInt();
}
