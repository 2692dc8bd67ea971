#include "platform/sim/SimTrayIcon.h"
#include "platform/sim/SimConsole.h"

namespace plat {

SimTrayIcon::SimTrayIcon(EventLoop& loop, SimLiveList<SimTrayIcon>& list, bool trayAvailable, SimConsole* console)
    : loop_(loop), list_(list), trayAvailable_(trayAvailable), console_(console) {
    list_.add(this);
}

SimTrayIcon::~SimTrayIcon() { list_.remove(this); }

bool SimTrayIcon::add(const QString& iconPath, const QString& tip) {
    if (!trayAvailable_) return false;
    added_ = true;
    iconPath_ = iconPath;
    tip_ = tip;
    return true;
}

void SimTrayIcon::showBalloon(const QString& text, const QString& title, int iconFlags, int timeoutMs) {
    if (!added_) return;
    balloons_.push_back({text, title, iconFlags, timeoutMs});
    balloonShowing_ = !text.isEmpty();
    if (!balloonShowing_) return;
    if (console_) console_->out(QStringLiteral("balloon: %1: %2").arg(title, text));
    const std::weak_ptr<int> alive = life_;
    loop_.post([this, alive] {
        if (!alive.expired()) userNotify(balloonShown);
    });
}

void SimTrayIcon::closeBalloon() { balloonShowing_ = false; }

void SimTrayIcon::userNotify(int notification) {
    if (added_ && onCallback) onCallback(notification);
}

bool SimTrayIcon::userChooseMenuItem(const QString& key) {
    for (const TrayMenuItem& item : menu_) {
        if (!item.key.isEmpty() && item.key == key) {
            if (onMenuClick) onMenuClick(key);
            return true;
        }
    }
    return false;
}

} // namespace plat
