#include "XDesktop.h"
#include "e2e_push/DemoServerProcess.h"
#include "e2e_push/Wait.h"
#include "e2e_update/ScratchInstall.h"
#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <csignal>
#include <iostream>

// The settings dialog of the installed program on a real desktop (Xvfb, openbox, trayer),
// driven with the real mouse: opened from the tray icon's menu, its pages switched by their
// tabs, dragged by its title strip, and a page applied to ZEP.xml. Screenshots of each page
// go to artifacts/.
namespace {

const QString WindowClass = QStringLiteral("Zavez_ZEP");
const QString DialogTitle = QStringLiteral("软件设置");
const QString Artifacts = QStringLiteral(ZEP_SOURCE_DIR "/artifacts/");

// Places on the dialog, from its top-left corner.
const QPoint Tab1(72, 61);
const QPoint Tab2(72, 101);
const QPoint Tab3(72, 141);
const QPoint PopupBox(162, 96);
const QPoint ApplyButton(448, 332);
const QPoint OkButton(284, 332);
const QPoint TitleStrip(300, 16);
const QPoint ScrollDown(486, 299);

class SettingsDialog : public ::testing::Test {
protected:
    SettingsDialog() : install_(QStringLiteral("gui-settings")), server_(install_.path("demo-data")) {}

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs scripts/with-desktop.sh";
        QDir().mkpath(Artifacts);
    }
    void TearDown() override {
        if (HasFailure())
            std::cout << "the program said:\n"
                      << ScratchInstall::readFile(install_.path("program-stderr.txt")).toStdString() << std::endl;
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished(10000);
        }
    }

    void startProgram() {
        QProcessEnvironment env = install_.environment(true);
        env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        program_.setProcessEnvironment(env);
        program_.setWorkingDirectory(install_.path("home"));
        program_.setStandardOutputFile(QProcess::nullDevice());
        program_.setStandardErrorFile(install_.path("program-stderr.txt"));
        program_.start(install_.program(), {});
        ASSERT_TRUE(program_.waitForStarted(10000));
    }
    bool waitWhileRunning(const std::function<bool()>& condition, int boundMs) {
        return waitUntil([&] { return program_.state() != QProcess::Running || condition(); }, boundMs) &&
               program_.state() == QProcess::Running;
    }
    // The tray menu's window: the small one of the program's that is neither the main
    // window nor the tray icon.
    QRect menuRect() const {
        for (qulonglong id : XDesktop::windows(WindowClass)) {
            const QRect r = XDesktop::geometry(id);
            if (r.height() >= 60 && r.height() < 300 && r.width() < 400) return r;
        }
        return {};
    }
    QRect dialogRect() const { return XDesktop::geometry(XDesktop::windowNamed(DialogTitle)); }
    void clickDialog(const QPoint& at) { XDesktop::click(dialogRect().topLeft() + at); }
    // Lets the program draw what the last click changed.
    static void settle() { waitUntil([] { return false; }, 700); }
    void screenshot(const char* name) {
        const QString file = Artifacts + QLatin1String(name);
        EXPECT_TRUE(XDesktop::screenshot(file)) << file.toStdString();
        std::cout << "screenshot " << file.toStdString() << std::endl;
    }
    QByteArray savedConfig() const { return ScratchInstall::readFile(install_.app("ZEP.xml")); }
    // The user's own ZEP.xml: a popup stay time that the list does not offer, and pairs
    // beyond the 24 cells of the currency page. The additions are ASCII, as GB2312 keeps it.
    bool customiseConfig() {
        QByteArray xml = savedConfig();
        QByteArray pairs;
        for (int i = 1; i <= 14; ++i) pairs += "  <CUR" + QByteArray::number(i) + "USD Checked=\"1\"/>\n      ";
        const int end = xml.indexOf("</currency>");
        if (end < 0 || !xml.contains("staytime=\"10s\" SoundFile")) return false;
        xml.insert(end, pairs);
        xml.replace("staytime=\"10s\" SoundFile", "staytime=\"15s\" SoundFile");
        return ScratchInstall::writeFile(install_.app("ZEP.xml"), xml);
    }

    ScratchInstall install_;
    DemoServerProcess server_;
    QProcess program_;
};

TEST_F(SettingsDialog, OpensFromTheTrayMenuSwitchesPagesAndApplies) {
    ASSERT_TRUE(server_.start({})) << server_.lines().join("\n").toStdString();
    QString error;
    ASSERT_TRUE(install_.install(&error)) << error.toStdString();
    ASSERT_TRUE(install_.pointAt(server_.ports()));
    ASSERT_TRUE(install_.rememberLogin(QStringLiteral("demo@quenra.test"), QStringLiteral("demo123")));
    ASSERT_TRUE(customiseConfig());
    startProgram();
    ASSERT_TRUE(waitWhileRunning([&] {
        const qulonglong main = XDesktop::largestWindow(WindowClass);
        return main && XDesktop::geometry(main).size() == QSize(1020, 700) && XDesktop::trayHolds(WindowClass);
    }, 90000));
    settle();

    // The tray icon's menu, and its second item "配置(&S)".
    const QRect icon = XDesktop::trayIcon(WindowClass);
    ASSERT_FALSE(icon.isEmpty());
    XDesktop::rightClick(icon.center());
    ASSERT_TRUE(waitWhileRunning([&] { return !menuRect().isEmpty(); }, 10000));
    // Four items and a separator above the last: the second item's middle lies at about
    // 37% of the menu's height.
    const QRect menu = menuRect();
    screenshot("settings-0-tray-menu.png");
    XDesktop::click(QPoint(menu.center().x(), menu.top() + menu.height() * 37 / 100));
    ASSERT_TRUE(waitWhileRunning([&] { return XDesktop::windowNamed(DialogTitle) != 0; }, 10000));
    const QRect opened = dialogRect();
    EXPECT_EQ(opened.size(), QSize(500, 360));
    settle();
    screenshot("settings-1-news.png");

    clickDialog(Tab2);
    settle();
    screenshot("settings-2-calendar.png");
    clickDialog(Tab3);
    settle();
    screenshot("settings-3-quotes.png");
    clickDialog(ScrollDown);
    settle();
    screenshot("settings-3b-quotes-scrolled.png");

    // Dragged by its title strip.
    const QPoint strip = opened.topLeft() + TitleStrip;
    XDesktop::drag(strip, strip + QPoint(-200, 80));
    ASSERT_TRUE(waitWhileRunning([&] { return dialogRect().topLeft() != opened.topLeft(); }, 10000));
    settle();

    // Popups switched off on page 1 and applied: ZEP.xml says so at once, the dialog stays.
    clickDialog(Tab1);
    settle();
    clickDialog(PopupBox);
    settle();
    screenshot("settings-4-news-unticked.png");
    clickDialog(ApplyButton);
    ASSERT_TRUE(waitWhileRunning([&] { return savedConfig().contains("<Popup staytime=\"15s\" SoundFile=\"News.wav\" Checked=\"0\"/>"); }, 10000))
        << savedConfig().toStdString();
    EXPECT_NE(XDesktop::windowNamed(DialogTitle), 0u);

    // OK closes it; the program ends normally.
    clickDialog(OkButton);
    ASSERT_TRUE(waitWhileRunning([&] { return XDesktop::windowNamed(DialogTitle) == 0; }, 10000));
    ::kill(static_cast<pid_t>(program_.processId()), SIGTERM);
    ASSERT_TRUE(program_.waitForFinished(30000));
    EXPECT_EQ(program_.exitCode(), 0);
    EXPECT_TRUE(savedConfig().contains("SoundFile=\"News.wav\" Checked=\"0\""));
}

} // namespace
