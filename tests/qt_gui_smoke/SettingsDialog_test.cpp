#include "InstalledProgram.h"
#include <csignal>

// The settings dialog of the installed program on a real desktop (Xvfb, openbox, trayer),
// driven with the real mouse: opened from the tray icon's menu, its pages switched by their
// tabs, dragged by its title strip, and a page applied to ZEP.xml. Screenshots of each page
// go to artifacts/.
namespace {

const QString DialogTitle = QStringLiteral("软件设置");

// Places on the dialog, from its top-left corner.
const QPoint Tab1(72, 61);
const QPoint Tab2(72, 101);
const QPoint Tab3(72, 141);
const QPoint PopupBox(162, 96);
const QPoint ApplyButton(448, 332);
const QPoint OkButton(284, 332);
const QPoint TitleStrip(300, 16);
const QPoint ScrollDown(486, 299);

class SettingsDialog : public InstalledProgram {
protected:
    SettingsDialog() : InstalledProgram(QStringLiteral("gui-settings")) {}

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
    static void settle() { runLoopFor(700); }
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
        return writeFile(install_.app("ZEP.xml"), xml);
    }
};

TEST_F(SettingsDialog, OpensFromTheTrayMenuSwitchesPagesAndApplies) {
    ASSERT_NO_FATAL_FAILURE(installLoggedIn());
    ASSERT_TRUE(customiseConfig());
    startProgram();
    ASSERT_TRUE(waitWhileRunning(
        [&] {
            const qulonglong main = XDesktop::largestWindow(WindowClass);
            return main && XDesktop::geometry(main).size() == QSize(1020, 700) && XDesktop::trayHolds(WindowClass);
        },
        90000));
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
    ASSERT_TRUE(waitWhileRunning(
        [&] { return savedConfig().contains("<Popup staytime=\"15s\" SoundFile=\"News.wav\" Checked=\"0\"/>"); },
        10000))
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
