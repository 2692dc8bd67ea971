#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace plat {

struct TrayMenuItem {
    QString key;     // passed back on a click
    QString caption; // "&" marks the access key; empty caption with empty key: separator
    bool isDefault = false;
};

// The notification-area icon. Mouse and balloon notifications arrive through onCallback
// with their classic codes (0x200 move, 0x201.. left, 0x204.. right, 0x402.. balloon).
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    virtual bool add(const QString& iconPath, const QString& tip) = 0; // false: no tray
    virtual void remove() = 0;
    virtual void showBalloon(const QString& text, const QString& title, int iconFlags, int timeoutMs) = 0;
    virtual void closeBalloon() = 0;
    virtual void setMenu(const std::vector<TrayMenuItem>& items) = 0;
    virtual void popupMenu() = 0; // at the cursor

    std::function<void(int notification)> onCallback;
    std::function<void(const QString& key)> onMenuClick;
};

} // namespace plat
