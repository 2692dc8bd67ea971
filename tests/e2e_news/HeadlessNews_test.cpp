#include "e2e_push/DemoServerProcess.h"
#include "Wait.h"
#include "e2e_update/ScratchInstall.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

// The installed program, headless, against the demo server: the flashes it pushes reach the
// news list and the popup, and the pages left at exit show them.
namespace {

QStringList rowTexts(const dom::Document& page, const char* tableId) {
    QStringList texts;
    const dom::Element* table = page.getElementById(QString::fromLatin1(tableId));
    if (!table) return texts;
    for (const dom::Element* row : table->rows()) texts << row->innerText().replace(QChar(0xA0), u' ').simplified();
    return texts;
}

class HeadlessNews : public ::testing::Test {
protected:
    HeadlessNews() : install_(QStringLiteral("e2e-news")), server_(install_.path(QStringLiteral("demo-data"))) {
        QDir().mkpath(install_.path(QStringLiteral("pages")));
    }

    QString pages(const char* file) const { return install_.path(QStringLiteral("pages/")) + QLatin1String(file); }

    // The build tree installed, ZEP.xml pointed at the demo server, the login remembered
    // unless said otherwise.
    void install(bool remembered = true) {
        QString error;
        ASSERT_TRUE(install_.install(&error)) << error.toStdString();
        ASSERT_TRUE(install_.pointAt(server_.ports()));
        if (remembered)
            ASSERT_TRUE(install_.rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123")));
    }

    void startProgram() {
        program_.setProcessEnvironment(install_.environment(false));
        program_.setWorkingDirectory(install_.path(QStringLiteral("home")));
        QObject::connect(&program_, &QProcess::readyReadStandardOutput, &program_,
                         [this] { output_ += program_.readAllStandardOutput(); });
        program_.start(install_.program(), {QStringLiteral("--headless"), QStringLiteral("--dump-pages"),
                                            install_.path(QStringLiteral("pages"))});
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

    void stopProgram() {
        ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
        ASSERT_TRUE(program_.waitForFinished(30000));
        EXPECT_EQ(program_.exitCode(), 0);
    }

    ScratchInstall install_;
    DemoServerProcess server_;
    QProcess program_;
    QByteArray output_;
};

TEST_F(HeadlessNews, FlashesReachTheListAndThePopup) {
    ASSERT_TRUE(server_.start({0, 0, 0, 0})) << server_.lines().join("\n").toStdString();
    install();
    startProgram();
    // Log-in, push logon with the flashes missed so far, then one every 500 ms.
    ASSERT_TRUE(waitUntil(
        [&] { return (popupLines().size() >= 4 && published().size() >= 3) || program_.state() != QProcess::Running; },
        90000))
        << program_.readAllStandardError().toStdString();
    ASSERT_EQ(program_.state(), QProcess::Running) << program_.readAllStandardError().toStdString();
    const QStringList sent = published();
    // What the server sent before this point has arrived by then.
    runLoopFor(1500);
    ASSERT_NO_FATAL_FAILURE(stopProgram());
    const QString err = QString::fromUtf8(program_.readAllStandardError());

    const auto main = dom::Document::parse(QString::fromUtf8(readFile(pages("ruzezaro.htm"))));
    const QStringList list = rowTexts(*main, "firstpage_table").mid(1); // below the header row
    ASSERT_GE(list.size(), 4) << err.toStdString();
    EXPECT_LE(list.size(), 299);
    // Newest first: the page orders the rows by their time text, greatest first.
    for (qsizetype i = 1; i < list.size(); ++i) EXPECT_GE(list[i - 1].left(11), list[i].left(11)) << i;
    for (const QString& text : sent)
        EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const QString& row) { return row.endsWith(text); }))
            << "not listed: " << text.toStdString();
    // Every popup line printed is a listed flash.
    for (const QString& line : popupLines()) EXPECT_TRUE(list.contains(line)) << line.toStdString();

    // The quote center filled from the server's batches: each demo pair with its two prices.
    const QStringList quotes = rowTexts(*main, "QuoteList").mid(2); // below the caption and the headings
    EXPECT_EQ(quotes.size(), 12) << quotes.join(u'\n').toStdString();
    for (const QString& row : quotes) EXPECT_EQ(row.split(u' ').size(), 3) << row.toStdString();

    const auto popup = dom::Document::parse(QString::fromUtf8(readFile(pages("iPopup.htm"))));
    const QStringList shown = rowTexts(*popup, "popupWin_Table");
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LE(shown.size(), 10);
    for (const QString& row : shown) EXPECT_TRUE(popupLines().contains(row)) << row.toStdString();
    std::printf("listed %d, sent while watched %d, popup lines %d, popup rows at exit %d\n",
                static_cast<int>(list.size()), static_cast<int>(sent.size()), static_cast<int>(popupLines().size()),
                static_cast<int>(shown.size()));
}

// A pseudo-terminal as the program's standard input and error: a user at a terminal.
class Terminal {
public:
    Terminal() {
        if (::openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) return;
        ::fcntl(master_, F_SETFD, FD_CLOEXEC);
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
        ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    }
    ~Terminal() {
        for (const int fd : {master_, slave_})
            if (fd >= 0) ::close(fd);
    }
    bool open() const { return master_ >= 0; }
    void attach(QProcess& p) const {
        p.setChildProcessModifier([fd = slave_] {
            ::dup2(fd, 0);
            ::dup2(fd, 2);
        });
    }
    // All the program has written to the terminal so far, typed echoes included.
    QString screen() {
        char buffer[4096];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;) seen_.append(buffer, n);
        return QString::fromUtf8(seen_);
    }
    bool shows(const QString& text) { return screen().contains(text); }
    void type(const QByteArray& line) const {
        [[maybe_unused]] const ssize_t n = ::write(master_, line.constData(), line.size());
    }

private:
    int master_ = -1;
    int slave_ = -1;
    QByteArray seen_;
};

TEST_F(HeadlessNews, WithoutARememberedLoginTheDialogAsksOnTheTerminal) {
    ASSERT_TRUE(server_.start({0, 0, 0, 0})) << server_.lines().join("\n").toStdString();
    install(false);
    Terminal terminal;
    ASSERT_TRUE(terminal.open());
    terminal.attach(program_);
    startProgram();
    const auto answer = [&](const QString& prompt, const QByteArray& line) {
        ASSERT_TRUE(waitUntil([&] { return terminal.shows(prompt) || program_.state() != QProcess::Running; }, 60000))
            << terminal.screen().toStdString();
        ASSERT_EQ(program_.state(), QProcess::Running) << terminal.screen().toStdString();
        terminal.type(line + '\n');
    };
    ASSERT_NO_FATAL_FAILURE(answer(QStringLiteral("账号"), "demo@quenra.test"));
    ASSERT_NO_FATAL_FAILURE(answer(QStringLiteral("密码"), "demo123"));
    ASSERT_NO_FATAL_FAILURE(answer(QStringLiteral("记住我"), "y"));
    ASSERT_TRUE(waitUntil([&] { return !popupLines().isEmpty() || program_.state() != QProcess::Running; }, 60000))
        << terminal.screen().toStdString();
    EXPECT_TRUE(terminal.shows(QStringLiteral("login dialog"))) << terminal.screen().toStdString();
    EXPECT_TRUE(terminal.shows(QStringLiteral("demo@quenra.test"))) << "the account is echoed";
    EXPECT_FALSE(terminal.shows(QStringLiteral("demo123"))) << "the password is not";
    ASSERT_NO_FATAL_FAILURE(stopProgram());
    EXPECT_TRUE(QFile::exists(install_.app(QStringLiteral("registry")))) << "remembered, as answered";
}

} // namespace
