#include "platform/qt/QtTrayIcon.h"
#include <QCursor>
#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace plat {

namespace {

constexpr int leftDown = 0x201, leftUp = 0x202, leftDouble = 0x203;
constexpr int rightDown = 0x204, rightUp = 0x205;
constexpr int balloonShown = 0x402, balloonClicked = 0x405;

// The balloon icon flags of the classic notification-icon record.
QSystemTrayIcon::MessageIcon messageIcon(int iconFlags) {
    switch (iconFlags & 0x3) {
    case 1:
        return QSystemTrayIcon::Information;
    case 2:
        return QSystemTrayIcon::Warning;
    case 3:
        return QSystemTrayIcon::Critical;
    default:
        return QSystemTrayIcon::NoIcon;
    }
}

} // namespace

QtTrayIcon::QtTrayIcon() : menu_(new QMenu) {
    connect(&icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) { activated(r); });
    connect(&icon_, &QSystemTrayIcon::messageClicked, this, [this] { notify({balloonClicked}); });
}

QtTrayIcon::~QtTrayIcon() { menu_->deleteLater(); }

bool QtTrayIcon::add(const QString& iconPath, const QString& tip) {
    icon_.setIcon(QIcon(iconPath));
    icon_.setToolTip(tip);
    icon_.show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::showBalloon(const QString& text, const QString& title, int iconFlags, int timeoutMs) {
    if (!icon_.isVisible()) return;
    icon_.showMessage(title, text, messageIcon(iconFlags), timeoutMs);
    if (!text.isEmpty()) QTimer::singleShot(0, this, [this] { notify({balloonShown}); });
}

void QtTrayIcon::closeBalloon() { icon_.showMessage(QString(), QString(), QSystemTrayIcon::NoIcon, 0); }

void QtTrayIcon::setMenu(const std::vector<TrayMenuItem>& items) {
    menu_->clear();
    for (const TrayMenuItem& item : items) {
        if (item.key.isEmpty() && item.caption.isEmpty()) {
            menu_->addSeparator();
            continue;
        }
        QAction* action = menu_->addAction(item.caption);
        const QString key = item.key;
        connect(action, &QAction::triggered, this, [this, key] {
            if (onMenuClick) onMenuClick(key);
        });
        if (item.isDefault) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu_->setDefaultAction(action);
        }
    }
}

void QtTrayIcon::popupMenu() { menu_->popup(QCursor::pos()); }

void QtTrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        notify({leftDown, leftUp});
        break;
    case QSystemTrayIcon::Context:
        notify({rightDown, rightUp});
        break;
    case QSystemTrayIcon::DoubleClick:
        notify({leftDouble});
        break;
    default:
        break; // the middle button means nothing to the program
    }
}

void QtTrayIcon::notify(std::initializer_list<int> notifications) {
    const QPointer<QtTrayIcon> alive(this);
    for (int n : notifications) {
        if (!alive || !onCallback) return;
        onCallback(n);
    }
}

} // namespace plat
