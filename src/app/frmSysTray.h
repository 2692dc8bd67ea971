#pragma once
#include "core/CTimer.h"
#include "core/Form.h"
#include "platform/sys/TrayIcon.h"
#include <QString>
#include <functional>
#include <memory>

struct AppContext;

// The notification-area icon: its menu, mouse and balloon notifications turned into
// events for the controller, and balloons that close after their time-out at the latest.
class frmSysTray : public Form {
public:
    // Mouse and balloon notifications as the tray reports them.
    enum Notification {
        MouseMove = 0x200,
        LButtonDown = 0x201,
        LButtonUp = 0x202,
        LButtonDblClk = 0x203,
        RButtonDown = 0x204,
        RButtonUp = 0x205,
        RButtonDblClk = 0x206,
        BalloonShown = 0x402,
        BalloonHidden = 0x403,
        BalloonTimedOut = 0x404,
        BalloonUserClick = 0x405
    };

    explicit frmSysTray(AppContext& ctx);

    void Form_Load() override;
    bool Form_QueryUnload(int unloadMode) override;

    void ShowBalloonTip(const QString& text, const QString& title, int iconFlags, int timeoutMs);
    void CloseBalloonTip();
    void ShellTrayIconRemove();
    void ShowMenu();
    bool iconAdded() const { return added_; }

    std::function<void(int button)> SysTrayMouseDown;
    std::function<void(int button)> SysTrayMouseUp;
    std::function<void(int button)> SysTrayDoubleClick;
    std::function<void()> BalloonShow;
    std::function<void()> BalloonHide;
    std::function<void()> BalloonTimeOut;
    std::function<void()> BalloonClicked;
    std::function<void()> SysTrayMouseMove;
    std::function<void(const QString& key)> MenuClick;

    // Routes one tray notification (the tray's callback message) to its event.
    void ISubclass_WindowProc(int notification);

private:
    void mBalloonTimer_ThatTime();
    static void raise(const std::function<void()>& event);
    static void raise(const std::function<void(int)>& event, int button);

    AppContext& ctx_;
    std::unique_ptr<plat::TrayIcon> icon_;
    std::unique_ptr<CTimer> mBalloonTimer;
    int balloonTimeOut_ = 0;
    bool balloonClosed_ = false;
    bool added_ = false;
    bool hooked_ = false;
};
