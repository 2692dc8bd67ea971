#include "e2e_push/DemoServerProcess.h"
#include "e2e_push/Wait.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "push/RememberFile.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// The installed program, headless, against the demo server: the flashes it pushes reach the
// news list and the popup, and the pages left at exit show them.
namespace {

// A port that was free a moment ago.
int freePort(int type) {
    const int fd = ::socket(AF_INET, type, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QStringList rowTexts(const dom::Document& page, const char* tableId) {
    QStringList texts;
    const dom::Element* table = page.getElementById(QString::fromLatin1(tableId));
    if (!table) return texts;
    for (const dom::Element* row : table->rows())
        texts << row->innerText().replace(QChar(0xA0), u' ').simplified();
    return texts;
}

class HeadlessNews : public ::testing::Test {
protected:
    HeadlessNews() : root_(QStringLiteral(ZEP_BINARY_DIR "/e2e-news-XXXXXX")), server_(path("demo-data")) {
        for (const char* d : {"app", "home", "config", "data", "windows", "tmp", "pages", "demo-data"})
            QDir().mkpath(path(d));
        QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/tools/demo-server/demo-data/accounts.txt"),
                    path("demo-data") + QStringLiteral("/accounts.txt"));
    }

    QString path(const char* sub) const { return root_.path() + u'/' + QLatin1String(sub); }
    QString app(const char* file) const { return path("app") + u'/' + QLatin1String(file); }

    // The build tree installed, ZEP.xml pointed at the demo server, the login remembered.
    void install() {
        QProcess cmake;
        cmake.setStandardOutputFile(QProcess::nullDevice());
        cmake.start(QStringLiteral("cmake"), {"--install", ZEP_BINARY_DIR, "--prefix", path("app")});
        ASSERT_TRUE(cmake.waitForFinished(60000));
        ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAllStandardError().toStdString();
        const DemoServerProcess::Ports& ports = server_.ports();
        const QString web = QStringLiteral("http://127.0.0.1:%1").arg(httpPort_);
        const QString element =
            QStringLiteral("<Server Address=\"127.0.0.1\" PushPort=\"%1\" LoginPort=\"%2\" LoginLocalPort=\"%3\" "
                           "IdentityPort=\"%4\" IdentityLocalPort=\"%5\" WebSite=\"%6\" FileServer=\"%6\" "
                           "ProductSite=\"%6/product\" MakerSite=\"%6/maker\"/>")
                .arg(ports.push).arg(ports.login).arg(freePort(SOCK_DGRAM)).arg(ports.identity)
                .arg(freePort(SOCK_DGRAM)).arg(web);
        // The document is GB2312; the element is ASCII, so Latin-1 keeps every other byte.
        QString config = QString::fromLatin1(readFile(app("ZEP.xml")));
        config.replace(QRegularExpression(QStringLiteral("<Server [^>]*/>")), element);
        ASSERT_TRUE(writeFile(app("ZEP.xml"), config.toLatin1()));
        const push::RememberFile::RememberedLogin login{1, QStringLiteral("demo@quenra.test"),
                                                        QStringLiteral("demo123"), QStringLiteral("demo")};
        ASSERT_TRUE(writeFile(app("registry"), push::RememberFile::build(login)));
    }

    void startProgram() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("HOME"), path("home"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path("config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path("data"));
        env.insert(QStringLiteral("ZEP_WINDOWS_DIR"), path("windows"));
        env.insert(QStringLiteral("TMPDIR"), path("tmp"));
        program_.setProcessEnvironment(env);
        program_.setWorkingDirectory(path("home"));
        QObject::connect(&program_, &QProcess::readyReadStandardOutput, &program_, [this] {
            output_ += program_.readAllStandardOutput();
        });
        program_.start(app("Zavez_ZEP"), {QStringLiteral("--headless"), QStringLiteral("--dump-pages"), path("pages")});
        ASSERT_TRUE(program_.waitForStarted(10000));
    }

    QStringList popupLines() const {
        QStringList lines;
        for (const QString& line : QString::fromUtf8(output_).split(u'\n'))
            if (line.startsWith(QStringLiteral("popup: "))) lines << line.mid(7).simplified();
        return lines;
    }
    // The texts of the flashes the server has published since it started.
    QStringList published() const {
        QStringList texts;
        static const QRegularExpression news(QStringLiteral("^\\S+ news \\d+( \\(article\\))?: (.*)$"));
        for (const QString& line : server_.lines())
            if (const auto m = news.match(line); m.hasMatch()) texts << m.captured(2).simplified();
        return texts;
    }

    QTemporaryDir root_;
    DemoServerProcess server_;
    int httpPort_ = freePort(SOCK_STREAM);
    QProcess program_;
    QByteArray output_;
};

TEST_F(HeadlessNews, FlashesReachTheListAndThePopup) {
    ASSERT_TRUE(server_.start({0, 0, 0, httpPort_})) << server_.lines().join("\n").toStdString();
    install();
    startProgram();
    // Log-in, push logon with the flashes missed so far, then one every 500 ms.
    ASSERT_TRUE(waitUntil([&] {
        return (popupLines().size() >= 4 && published().size() >= 3) || program_.state() != QProcess::Running;
    }, 90000))
        << program_.readAllStandardError().toStdString();
    ASSERT_EQ(program_.state(), QProcess::Running) << program_.readAllStandardError().toStdString();
    const QStringList sent = published();
    // What the server sent before this point has arrived by then.
    waitUntil([] { return false; }, 1500);
    ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(program_.exitCode(), 0);
    const QString err = QString::fromUtf8(program_.readAllStandardError());

    const auto main = dom::Document::parse(QString::fromUtf8(readFile(path("pages") + "/ruzezaro.htm")));
    const QStringList list = rowTexts(*main, "firstpage_table").mid(1);   // below the header row
    ASSERT_GE(list.size(), 4) << err.toStdString();
    EXPECT_LE(list.size(), 299);
    // Newest first: the page orders the rows by their time text, greatest first.
    for (qsizetype i = 1; i < list.size(); ++i) EXPECT_GE(list[i - 1].left(11), list[i].left(11)) << i;
    for (const QString& text : sent)
        EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const QString& row) { return row.endsWith(text); }))
            << "not listed: " << text.toStdString();
    // Every popup line printed is a listed flash.
    for (const QString& line : popupLines()) EXPECT_TRUE(list.contains(line)) << line.toStdString();

    const auto popup = dom::Document::parse(QString::fromUtf8(readFile(path("pages") + "/iPopup.htm")));
    const QStringList shown = rowTexts(*popup, "popupWin_Table");
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LE(shown.size(), 10);
    for (const QString& row : shown) EXPECT_TRUE(popupLines().contains(row)) << row.toStdString();
    std::printf("listed %d, sent while watched %d, popup lines %d, popup rows at exit %d\n",
                static_cast<int>(list.size()), static_cast<int>(sent.size()),
                static_cast<int>(popupLines().size()), static_cast<int>(shown.size()));
}

} // namespace
