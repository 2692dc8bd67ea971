#pragma once
#include "core/Controller.h"
#include "core/Form.h"
#include "notify/PopupRequest.h"
#include "platform/loop/WindowTimer.h"
#include <memory>

struct AppContext;
namespace plat {
class Window;
}

// The hidden controller: loaded first, unloaded last. Its title marks a running instance;
// it sets up the registry values at load, ends the program in order (ExitApp), records the
// usage time and hands over to a downloaded installer at the very end.
class frmMain : public Form, public Controller {
public:
    explicit frmMain(AppContext& ctx);
    ~frmMain() override;

    void Form_Load() override;
    void Form_Unload() override;
    // The end of the controller, after its unload: starts a pending installer, else
    // removes a leftover one.
    void Form_Terminate();
    // Unloads every window in the fixed order, the controller last, and ends the loop.
    void ExitApp();
    // ExitApp as soon as no wait that pumps messages is running.
    void exitOutsideWaits() override;
    void ExitLater() override;
    // Shows an item in the notification popup with the sound; stay in seconds, 0 for the
    // configured stay time.
    void Popup(const QString& html, int32_t stay) override;
    // A balloon at the tray icon, closed after five minutes at the latest.
    void ShowBalloonTip(const QString& text, const QString& title, int iconFlags) override;
    // Brings the main window to the front.
    void ShowFxInfo() override;
    // Loads the live-update window, which opens the main window unless an update is offered.
    void ChkLiveUpdate(bool tip);
    void m_frmSysTray_MenuClick(const QString& key);
    void m_frmSysTray_SysTrayMouseDown(int button);

    plat::Window& window() { return *window_; }
    // Deferred exit: enabled by whoever launches an installer; its first tick exits.
    plat::WindowTimer ctlTimeTerminate;

private:
    void ctlTimeTerminate_Timer();
    void loadTrayIcon();
    // The first part of ShowFxInfo; false when the main window is minimised.
    bool bringBackUnlessMinimised(bool activate);
    void restoreMinimised();
    void tuneConnectionLimit();
    void recordInstallPath();
    void addUsageTime();
    QString installerPath() const;
    void removeLeftoverInstaller();
    void handPackageOver(const QString& package);
    void closeWindow();
    void log(const QString& message);

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    bool unloadFailed_ = false;
    PopupRequest popups_{ctx_};
};
