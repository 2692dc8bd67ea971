#include "TestFiles.h"
#include "DesktopTesting.h"
#include "qt_gui_smoke/XDesktop.h"
#include "platform/qt/QtDesktop.h"
#include "platform/qt/QtTrayIcon.h"
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

// The tray host of a session can die and come back (a panel restart, a crash): the
// program lives on without it, and its icon returns to the new one.
namespace {

// The tray host on this test's display, 0 when there is none.
pid_t trayHost() {
    const QByteArray display = "DISPLAY=" + qgetenv("DISPLAY");
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const pid_t pid = pid_t(entry.toInt(&number));
        if (!number) continue;
        if (readFile(QStringLiteral("/proc/%1/comm").arg(pid)).trimmed() != "trayer") continue;
        if (readFile(QStringLiteral("/proc/%1/environ").arg(pid)).split('\0').contains(display)) return pid;
    }
    return 0;
}

// As the desktop script starts it; it outlives the test, as the desktop's own tray host. Its
// output goes nowhere: a tray host holding the test's output open would keep the test
// runner waiting for the end of it.
bool startTrayHost() {
    QProcess trayer;
    trayer.setProgram(QStringLiteral("trayer"));
    trayer.setArguments({"--edge", "bottom", "--align", "left", "--widthtype", "pixel", "--width", "120", "--height",
                         "24", "--SetDockType", "true", "--transparent", "false"});
    trayer.setStandardInputFile(QProcess::nullDevice());
    trayer.setStandardOutputFile(QProcess::nullDevice());
    trayer.setStandardErrorFile(QProcess::nullDevice());
    return trayer.startDetached();
}

} // namespace

TEST(TrayHost, TheIconReturnsWhenTheTrayHostRestartsAndNothingFailsWhileItIsGone) {
    const pid_t host = trayHost();
    if (!host) GTEST_SKIP() << "no trayer on this display";
    QTemporaryDir dir;
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(dir.filePath(QStringLiteral("app.png")));
    plat::QtDesktop desktop;
    auto icon = desktop.createTrayIcon();
    const QString windowClass = QCoreApplication::applicationName();
    ASSERT_TRUE(icon->add(dir.filePath(QStringLiteral("app.png")), QStringLiteral("Quenra极速版")));
    ASSERT_TRUE(waitUntil([&] { return XDesktop::trayHolds(windowClass); }));

    ::kill(host, SIGTERM);
    EXPECT_TRUE(waitUntil([&] { return trayHost() == 0 && !XDesktop::trayHolds(windowClass); }));
    // A while without a tray: balloons and menus asked for meanwhile go nowhere, harmlessly.
    icon->showBalloon(QStringLiteral("最小化到系统任务托盘栏!"), QStringLiteral("Quenra极速版仍在运行!"), 1, 3000);
    runLoopFor(1500);
    icon->closeBalloon();

    ASSERT_TRUE(startTrayHost());
    EXPECT_TRUE(waitUntil([&] { return XDesktop::trayHolds(windowClass); }, 15000))
        << XDesktop::run(QStringLiteral("xwininfo"), {"-root", "-tree"}).toStdString();
    icon->remove();
}
