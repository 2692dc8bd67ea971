#include "TestFiles.h"
#include "InstalledProgram.h"
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <csignal>

// The installed program on a real desktop (Xvfb, openbox, trayer) against the demo server:
// it logs in by itself, shows its main window with the news and its tray icon, maximises
// from the page's own button, docks and hides at the top edge, and saves at SIGTERM.
// Screenshots of each state go to artifacts/ for a person to look at.
namespace {

// Where the page draws its maximise and restore symbol: 66 px left of the window's right
// edge, 23 px down, in the header strip; a point of the strip's empty middle drags it.
constexpr int MaximiseFromRight = 66;
constexpr int HeaderY = 23;
constexpr int DragHandleX = 500;

// The browser engine's processes below the program: its helpers, whichever their role.
int engineProcesses(qint64 program) {
    QMultiHash<qint64, qint64> children;
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        const QByteArray line = readFile(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!pid.toLongLong() || line.isEmpty()) continue;
        children.insert(line.mid(line.lastIndexOf(')') + 2).split(' ').value(1).toLongLong(), pid.toLongLong());
    }
    int helpers = 0;
    QList<qint64> todo = children.values(program);
    while (!todo.isEmpty()) {
        const qint64 p = todo.takeLast();
        if (readFile(QStringLiteral("/proc/%1/comm").arg(p)).startsWith("QtWebEngineProc")) ++helpers;
        todo += children.values(p);
    }
    return helpers;
}

class GuiSmoke : public InstalledProgram {
protected:
    GuiSmoke() : InstalledProgram(QStringLiteral("gui-smoke")) {}

    QRect mainRect() const { return XDesktop::geometry(main_); }
    // The window's place once it has not moved for a second.
    QRect settledRect() {
        QRect last = mainRect();
        QElapsedTimer still;
        still.start();
        waitWhileRunning(
            [&] {
                const QRect now = mainRect();
                if (now != last) {
                    last = now;
                    still.restart();
                }
                return still.elapsed() >= 1000;
            },
            20000);
        return last;
    }
    // Drags the window by its header so that its top goes above the screen's. The drag
    // begins once the press has gone through the page and the program to the window
    // manager, which cannot be seen from here: a drag that came too early is done again.
    bool dragToTheTop() {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QRect r = settledRect();
            if (r.top() <= 0) return true;
            const QPoint handle(r.left() + DragHandleX, r.top() + HeaderY);
            XDesktop::drag(handle, QPoint(handle.x(), HeaderY - 20));
        }
        return settledRect().top() <= 0;
    }
    qulonglong main_ = 0;
};

TEST_F(GuiSmoke, LogsInShowsTheNewsMaximisesDocksAndSavesAtTheEnd) {
    ASSERT_NO_FATAL_FAILURE(installLoggedIn());
    startProgram();

    // Logged in and on the push channel, with news flashes arrived (the heartbeat answers
    // name the highest one received).
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            return server_.count(QStringLiteral("push: heartbeat answer from demo@quenra.test: highest news id 2")) > 0;
        },
        90000))
        << server_.lines().join("\n").toStdString();
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            main_ = XDesktop::largestWindow(WindowClass);
            return main_ && mainRect().size() == QSize(1020, 700);
        },
        30000));
    // The stored place of the shipped ZEP.xml.
    EXPECT_EQ(settledRect(), QRect(100, 60, 1020, 700));
    EXPECT_TRUE(XDesktop::trayHolds(WindowClass)) << XDesktop::run("xwininfo", {"-root", "-tree"}).toStdString();
    // The main page, the hidden set-up page and the popup's share one renderer: the engine's
    // two zygotes and that renderer are all its processes.
    EXPECT_EQ(engineProcesses(program_.processId()), 3);
    // The page draws itself a moment after the window maps.
    runLoopFor(2000);
    screenshot("gui-1-normal.png");

    // The page's own maximise button, then its restore.
    const QRect normal = mainRect();
    XDesktop::click(QPoint(normal.right() + 1 - MaximiseFromRight, normal.top() + HeaderY));
    ASSERT_TRUE(waitWhileRunning([&] { return XDesktop::maximised(main_); }, 10000));
    EXPECT_EQ(settledRect(), XDesktop::workArea());
    runLoopFor(1000);
    screenshot("gui-2-maximised.png");
    const QRect full = mainRect();
    XDesktop::click(QPoint(full.right() + 1 - MaximiseFromRight, full.top() + HeaderY));
    ASSERT_TRUE(waitWhileRunning([&] { return !XDesktop::maximised(main_); }, 10000));
    EXPECT_EQ(settledRect(), normal);

    // Dragged by the header against the top edge, then the user clicks elsewhere (right of
    // the window, above the popup's corner): the window slides up out of view.
    ASSERT_TRUE(dragToTheTop()) << "the drag did not move the window";
    XDesktop::click(QPoint(normal.right() + 60, 400));
    ASSERT_TRUE(waitWhileRunning([&] { return mainRect().bottom() < normal.height() / 2; }, 10000))
        << "the window did not slide up";
    const QRect hidden = settledRect();
    // Openbox keeps a tenth of a window that the program moves on the screen; elsewhere the
    // strip left is 3 pixels.
    std::cout << "hidden at the top edge: " << hidden.bottom() + 1 << " px left in view" << std::endl;
    EXPECT_LE(hidden.bottom() + 1, normal.height() / 10);
    screenshot("gui-3-docked-hidden.png");

    // SIGTERM ends the program as the tray's exit does: everything saved, status 0. The
    // docked window is stored as shown in full at its edge.
    ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
    const QByteArray saved = savedConfig();
    EXPECT_TRUE(saved.contains("<desktopshorcut/>"));
    EXPECT_TRUE(saved.contains("<ZEP_Main Left=\"100\" Top=\"0\" Width=\"1020\" Height=\"700\"/>"))
        << saved.toStdString();
}

} // namespace
