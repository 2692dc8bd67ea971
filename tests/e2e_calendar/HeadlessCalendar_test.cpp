#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include "e2e_update/ScratchInstall.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>

// The installed program, headless, against the demo server, on Wednesday evening (see
// main.cpp): the server places two of today's releases seven minutes after its start and
// publishes their results a minute or two after their time. The program reminds of them
// five minutes ahead (the shipped setting) in a popup and a balloon, announces their
// results in a balloon, and leaves today's table with its reminder controls.
namespace {

class HeadlessCalendar : public ::testing::Test {
protected:
    HeadlessCalendar() : install_(QStringLiteral("e2e-calendar")), server_(install_.path(QStringLiteral("demo-data"))) {
        QDir().mkpath(install_.path(QStringLiteral("pages")));
    }
    void TearDown() override {
        if (HasFailure())
            std::printf("the program said:\n%s\nthe server said:\n%s\n",
                        readFile(install_.path(QStringLiteral("program-stderr.txt"))).constData(),
                        qPrintable(server_.lines().join('\n')));
        if (program_.state() == QProcess::NotRunning) return;
        program_.kill();
        program_.waitForFinished(10000);
    }

    void startProgram() {
        QString error;
        ASSERT_TRUE(install_.install(&error)) << error.toStdString();
        ASSERT_TRUE(install_.pointAt(server_.ports()));
        ASSERT_TRUE(install_.rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123")));
        program_.setProcessEnvironment(install_.environment(false));
        program_.setWorkingDirectory(install_.path(QStringLiteral("home")));
        program_.setStandardErrorFile(install_.path(QStringLiteral("program-stderr.txt")));
        QObject::connect(&program_, &QProcess::readyReadStandardOutput, &program_, [this] {
            output_ += QString::fromUtf8(program_.readAllStandardOutput());
            for (const QString& line : output_.split(u'\n'))
                if (!seen_.contains(line.trimmed())) seen_.insert(line.trimmed(), QDateTime::currentDateTime());
        });
        program_.start(install_.program(), {QStringLiteral("--headless"), QStringLiteral("--dump-pages"),
                                            install_.path(QStringLiteral("pages"))});
        ASSERT_TRUE(program_.waitForStarted(10000));
    }
    // The first line of the output that begins with prefix, with the lines that continue it
    // (a balloon's text of several lines); empty when there is none yet.
    QStringList shown(const QString& prefix) const {
        const QStringList lines = output_.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!lines[i].startsWith(prefix)) continue;
            QStringList out{lines[i].trimmed()};
            for (qsizetype j = i + 1; j < lines.size() && !lines[j].startsWith(QStringLiteral("popup: ")) &&
                                      !lines[j].startsWith(QStringLiteral("balloon: ")) && !lines[j].isEmpty();
                 ++j)
                out << lines[j].trimmed();
            return out;
        }
        return {};
    }
    bool waitForLine(const QString& prefix, int boundMs) {
        return waitUntil([&] { return !shown(prefix).isEmpty() || program_.state() != QProcess::Running; }, boundMs) &&
               !shown(prefix).isEmpty();
    }
    // When (on the shared clock) the program printed that line.
    QDateTime printedAt(const QString& line) const { return seen_.value(line.trimmed()); }
    static QDateTime today(const QString& hhmm) {
        return QDateTime(QDate::currentDate(), QTime::fromString(hhmm, QStringLiteral("HH:mm")));
    }

    ScratchInstall install_;
    DemoServerProcess server_;
    QProcess program_;
    QString output_;
    QHash<QString, QDateTime> seen_;
};

TEST_F(HeadlessCalendar, RemindsBeforeAReleaseAndAnnouncesItsResultAfterIt) {
    ASSERT_EQ(QDate::currentDate(), QDate(2026, 12, 9)) << "not on the fake clock";
    // At the server's usual pace: news, quotes and probes may share a read with a day's record.
    ASSERT_TRUE(server_.start({0, 0, 0, 0})) << server_.lines().join("\n").toStdString();
    startProgram();

    // The reminder: one balloon for the two releases of one minute, and its popup.
    ASSERT_TRUE(waitForLine(QStringLiteral("balloon: 财经事件提醒"), 300000)) << output_.toStdString();
    const QStringList reminder = shown(QStringLiteral("balloon: 财经事件提醒"));
    ASSERT_EQ(reminder.size(), 2) << reminder.join('\n').toStdString();
    static const QRegularExpression line(QStringLiteral("(\\d\\d:\\d\\d)  (\\S+) \\(前值: "));
    const auto first = line.match(reminder[0]);
    const auto second = line.match(reminder[1]);
    ASSERT_TRUE(first.hasMatch() && second.hasMatch()) << reminder.join('\n').toStdString();
    const QString release = first.captured(1);
    EXPECT_EQ(second.captured(1), release);
    EXPECT_LT(printedAt(reminder[0]), today(release)) << "the reminder comes before the release";
    EXPECT_GE(printedAt(reminder[0]), today(release).addSecs(-5 * 60 - 2)) << "five minutes ahead";
    const QStringList popup = shown(QStringLiteral("popup: 财经事件提醒"));
    ASSERT_FALSE(popup.isEmpty());
    EXPECT_TRUE(popup[0].contains(first.captured(2)) && popup[0].contains(second.captured(2)));

    // The result, once the server sends the day again with it.
    const QString resultTitle = QStringLiteral("balloon: 财经数据 ") + release + u':';
    ASSERT_TRUE(waitForLine(resultTitle, 600000)) << output_.toStdString();
    const QStringList results = shown(resultTitle);
    EXPECT_GE(printedAt(results[0]), today(release));
    EXPECT_TRUE(results.join('\n').contains(QStringLiteral("结果: "))) << results.join('\n').toStdString();

    ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(program_.exitCode(), 0);

    // Today's table: the released events past (disabled radio buttons), the later ones
    // with their check boxes; the reminded events stored as reminded.
    const auto page =
        dom::Document::parse(QString::fromUtf8(readFile(install_.path(QStringLiteral("pages/ruzezaro.htm")))));
    const dom::Element* table = page->getElementById(QStringLiteral("iCalendar_Table"));
    ASSERT_TRUE(table);
    int past = 0, boxes = 0;
    for (const dom::Element* row : table->rows()) {
        const auto inputs = row->getElementsByTagName(QStringLiteral("input"));
        if (inputs.empty()) continue;
        const QString type = inputs.front()->getAttribute(QStringLiteral("type"));
        const QString time = row->cells().front()->innerText();
        EXPECT_TRUE(inputs.front()->id().startsWith(QStringLiteral("w_3_chk")));
        if (time <= release) {
            EXPECT_EQ(type, QStringLiteral("radio")) << time.toStdString();
            EXPECT_TRUE(inputs.front()->disabled());
            ++past;
        } else if (type == QStringLiteral("checkbox")) {
            ++boxes;
        }
    }
    EXPECT_GE(past, 2);
    EXPECT_GE(boxes, 1) << "the release at eleven minutes is still ahead";
    const QString config = QString::fromUtf8(readFile(install_.app(QStringLiteral("ZEP.xml"))));
    EXPECT_EQ(config.count(QRegularExpression(QStringLiteral("Time=\"%1\" Notify=\"2\"").arg(release))), 2);
    std::printf("reminder at %s for %s, result balloon at %s\n",
                qPrintable(printedAt(reminder[0]).toString("HH:mm:ss")), qPrintable(release),
                qPrintable(printedAt(results[0]).toString("HH:mm:ss")));
}

} // namespace
