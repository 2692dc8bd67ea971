#pragma once
#include "platform/loop/EventLoop.h"
#include "platform/sim/SimLiveList.h"
#include "platform/sys/TrayIcon.h"
#include <memory>

namespace plat {

class SimConsole;

struct SimBalloon {
    QString text;
    QString title;
    int iconFlags = 0;
    int timeoutMs = 0;
};

// A notification-area icon in memory. As the shell does, it announces a balloon that it
// shows with the notification 0x402 once the loop runs. Tests raise the user's clicks
// through userNotify() and userChooseMenuItem(). With a console (headless), every balloon is
// also printed as one line "balloon: title: text".
class SimTrayIcon : public TrayIcon {
public:
    static constexpr int balloonShown = 0x402;

    SimTrayIcon(EventLoop& loop, SimLiveList<SimTrayIcon>& list, bool trayAvailable, SimConsole* console);
    ~SimTrayIcon() override;

    bool add(const QString& iconPath, const QString& tip) override;
    void remove() override { added_ = false; }
    void showBalloon(const QString& text, const QString& title, int iconFlags, int timeoutMs) override;
    void closeBalloon() override;
    void setMenu(const std::vector<TrayMenuItem>& items) override { menu_ = items; }
    void popupMenu() override { ++menuPopups_; }

    bool isAdded() const { return added_; }
    QString iconPath() const { return iconPath_; }
    QString tip() const { return tip_; }
    const std::vector<SimBalloon>& balloons() const { return balloons_; }
    // A balloon was shown and neither closed nor replaced by an empty one since.
    bool balloonShowing() const { return balloonShowing_; }
    const std::vector<TrayMenuItem>& menu() const { return menu_; }
    int menuPopups() const { return menuPopups_; }

    // The user's actions: a mouse or balloon notification (0x200.., 0x405) while the icon
    // is in the tray; a click on the menu item with that key (false when there is none).
    void userNotify(int notification);
    bool userChooseMenuItem(const QString& key);

private:
    EventLoop& loop_;
    SimLiveList<SimTrayIcon>& list_;
    const bool trayAvailable_;
    SimConsole* console_;
    bool added_ = false;
    QString iconPath_;
    QString tip_;
    std::vector<SimBalloon> balloons_;
    bool balloonShowing_ = false;
    std::vector<TrayMenuItem> menu_;
    int menuPopups_ = 0;
    // Expires with the icon, so that a pending notification finds it gone.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

} // namespace plat
