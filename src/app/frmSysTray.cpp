#include "app/frmSysTray.h"
#include "core/AppContext.h"
#include "app/frmMain.h"
#include "platform/Platform.h"

frmSysTray::frmSysTray(AppContext& ctx) : ctx_(ctx) {}

void frmSysTray::Form_Load() {
    icon_ = ctx_.platform.createTrayIcon();
    added_ = icon_->add(ctx_.AppPath + QStringLiteral("icons/Zavez_ZEP_64.png"), ctx_.AppTitle);
    if (!added_) {
        ctx_.platform.log().write("frmSysTray", "the tray refused the icon: no tray events will arrive");
        return;
    }
    icon_->setMenu({{"Main", QStringLiteral("资讯窗口"), true},
                    {"Settings", QStringLiteral("配置(&S)"), false},
                    {"About", QStringLiteral("关于(&A)"), false},
                    {"", "", false},
                    {"Exit", QStringLiteral("退出(&X)"), false}});
    icon_->onCallback = [this](int notification) { ISubclass_WindowProc(notification); };
    icon_->onMenuClick = [this](const QString& key) {
        if (MenuClick) MenuClick(key);
    };
    hooked_ = true;
}

bool frmSysTray::Form_QueryUnload(int) {
    ShellTrayIconRemove();
    if (hooked_ && icon_) {
        icon_->onCallback = nullptr;
        icon_->onMenuClick = nullptr;
    }
    hooked_ = false;
    return false;
}

void frmSysTray::ShowBalloonTip(const QString& text, const QString& title, int iconFlags, int timeoutMs) {
    balloonTimeOut_ = timeoutMs;
    if (icon_) icon_->showBalloon(text, title, iconFlags, timeoutMs);
}

void frmSysTray::CloseBalloonTip() {
    if (icon_) icon_->closeBalloon();
}

void frmSysTray::ShellTrayIconRemove() {
    if (balloonClosed_ && mBalloonTimer) {
        mBalloonTimer->setInterval(0);
        mBalloonTimer.reset();
    }
    if (icon_ && added_) icon_->remove();
    added_ = false;
}

void frmSysTray::ShowMenu() {
    if (ctx_.mainCtl) ctx_.mainCtl->window().activate();
    if (icon_) icon_->popupMenu();
}

void frmSysTray::ISubclass_WindowProc(int notification) {
    switch (notification) {
    case MouseMove:
        raise(SysTrayMouseMove);
        break;
    case LButtonDown:
        raise(SysTrayMouseDown, 1);
        break;
    case LButtonUp:
        raise(SysTrayMouseUp, 1);
        break;
    case LButtonDblClk:
        raise(SysTrayDoubleClick, 1);
        break;
    case RButtonDown:
        raise(SysTrayMouseDown, 2);
        break;
    case RButtonUp:
        raise(SysTrayMouseUp, 2);
        break;
    case RButtonDblClk:
        raise(SysTrayDoubleClick, 2);
        break;
    case BalloonShown:
        // A new timer per balloon: the balloon goes after its time-out even where the
        // desktop would keep it longer.
        mBalloonTimer = std::make_unique<CTimer>(ctx_.Timers);
        mBalloonTimer->ThatTime = [this] { mBalloonTimer_ThatTime(); };
        balloonClosed_ = false;
        mBalloonTimer->setInterval(balloonTimeOut_);
        raise(BalloonShow);
        break;
    case BalloonHidden:
        raise(BalloonHide);
        break;
    case BalloonTimedOut:
        raise(BalloonTimeOut);
        break;
    case BalloonUserClick:
        raise(BalloonClicked);
        break;
    default:
        break;
    }
}

void frmSysTray::mBalloonTimer_ThatTime() {
    if (balloonClosed_) return;
    balloonClosed_ = true;
    mBalloonTimer->setInterval(0);
    CloseBalloonTip();
}

void frmSysTray::raise(const std::function<void()>& event) {
    if (event) event();
}

void frmSysTray::raise(const std::function<void(int)>& event, int button) {
    if (event) event(button);
}
