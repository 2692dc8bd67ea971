#include "InstalledProgram.h"
#include <csignal>

// The about dialog and the vote window of the installed program on a real desktop against
// the demo server: a feedback typed with the real keyboard reaches the server, and the vote
// tab shows the demo's poll for the logged-in account. Screenshots of each go to artifacts/.
namespace {

// Where the page draws them: the about symbol 129 px left of the window's right edge and
// 23 px down, the vote tab ("情绪墙") in the menu row.
constexpr int AboutFromRight = 129;
constexpr int HeaderY = 23;
const QPoint VoteTab(547, 80);
// Places in the about dialog.
const QString DialogTitle = QStringLiteral("关于 - Quenra极速版");
const QPoint FeedbackTab(74, 107);
const QPoint FeedbackBox(300, 150);
const QPoint Submit(408, 304);

class AboutAndVote : public InstalledProgram {
protected:
    AboutAndVote() : InstalledProgram(QStringLiteral("gui-about")) {}

    bool logged(const QString& line) const { return server_.count(line) > 0; }
};

TEST_F(AboutAndVote, FeedbackTypedInTheAboutDialogReachesTheServerAndTheVoteTabShowsThePoll) {
    ASSERT_NO_FATAL_FAILURE(installLoggedIn());
    startProgram();
    qulonglong main = 0;
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            main = XDesktop::largestWindow(WindowClass);
            return main && XDesktop::geometry(main).size() == QSize(1020, 700) &&
                   logged(QStringLiteral("push: heartbeat answer from demo@quenra.test"));
        },
        90000))
        << server_.lines().join("\n").toStdString();
    runLoopFor(2000); // the page draws itself a moment after the window maps
    const QRect page = XDesktop::geometry(main);

    XDesktop::click(QPoint(page.right() + 1 - AboutFromRight, page.top() + HeaderY));
    ASSERT_TRUE(waitWhileRunning([&] { return XDesktop::windowNamed(DialogTitle) != 0; }, 10000));
    runLoopFor(1000);
    screenshot("gui-about-1-about.png");

    const QRect dialog = XDesktop::geometry(XDesktop::windowNamed(DialogTitle));
    XDesktop::click(dialog.topLeft() + FeedbackTab);
    XDesktop::click(dialog.topLeft() + FeedbackBox);
    // ASCII: xdotool types other characters by remapping a key, which the program may read
    // before the new mapping (the Chinese text's way to the server is tested without a display).
    const QString feedback = QStringLiteral("Quenra feedback: please add crude oil quotes, thanks");
    XDesktop::type(feedback);
    runLoopFor(500);
    XDesktop::click(dialog.topLeft() + Submit);
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            return logged(QStringLiteral("push: feedback from demo@quenra.test (session demo@quenra.test): ") +
                          feedback);
        },
        10000))
        << server_.lines().join("\n").toStdString();
    runLoopFor(1000);
    screenshot("gui-about-2-feedback-sent.png");

    // The vote window logs in with the digest and shows the poll to the account.
    XDesktop::click(page.topLeft() + VoteTab);
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            return logged(QStringLiteral("vote: login of demo@quenra.test accepted")) &&
                   logged(QStringLiteral("vote: poll shown to demo@quenra.test"));
        },
        20000))
        << server_.lines().join("\n").toStdString();
    runLoopFor(2000);
    screenshot("gui-about-3-vote.png");

    // The end with all of them loaded.
    ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
}

} // namespace
