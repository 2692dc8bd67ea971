#pragma once
#include "platform/sys/TrayIcon.h"
#include <QObject>
#include <QSystemTrayIcon>

class QMenu;

namespace plat {

// The tray icon on QSystemTrayIcon. Qt's activations arrive as the classic notifications:
// a click as 0x201 then 0x202 (Qt reports clicks, not presses), the context click as 0x204
// then 0x205, a double click as 0x203, a click on a balloon as 0x405; the middle button as
// nothing. A balloon is announced with 0x402 once the loop runs, as the shell does when it
// shows one (Qt says nothing of the kind). Without a tray, add() fails but the icon stays
// asked for: Qt shows it once a tray appears.
class QtTrayIcon : public QObject, public TrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    bool add(const QString& iconPath, const QString& tip) override;
    void remove() override { icon_.hide(); }
    void showBalloon(const QString& text, const QString& title, int iconFlags, int timeoutMs) override;
    // An empty balloon: Qt takes its own balloon away on one.
    void closeBalloon() override;
    // The default item is bold; "&" marks access keys as in the classic menus.
    void setMenu(const std::vector<TrayMenuItem>& items) override;
    void popupMenu() override;

    // For tests.
    QSystemTrayIcon& icon() { return icon_; }
    QMenu& menu() { return *menu_; }

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    // Raises the notifications in order; a handler may destroy the icon on the way.
    void notify(std::initializer_list<int> notifications);

    QSystemTrayIcon icon_;
    QMenu* menu_; // deleted later: a menu item's handler may destroy the icon
};

} // namespace plat
