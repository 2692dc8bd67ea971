#pragma once
#include "core/DataFolders.h"
#include "core/mTimer.h"
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace plat {
class Platform;
class Window;
} // namespace plat
class cls_Config;
class frmMain;
class Controller;
class frmSysTray;
class frmLiveUpdate;
class frmFXInfo;
class Form1;
class wsckfrm;
class frmwinsock;
class frmPopUp;
class IE_frm;
class frmvote;
class frmaboutnew;
class frmdispose;
namespace push {
class PushSink;
class LoginSink;
} // namespace push

// Addresses that the program is configured with (Settings/ZEP/Server in ZEP.xml).
struct ServerSettings {
    QString address; // IPv4 address of the push, login and identity servers
    int pushPort = 8000;
    int loginPort = 12346;
    int loginLocalPort = 5007;
    int identityPort = 12355;
    int identityLocalPort = 5003;
    QString webSite;    // vendor web site base, no trailing slash
    QString fileServer; // vendor file server base (port 8080), no trailing slash
    QString productSite;
    QString makerSite;
};

// The process-wide values, one object created by Main and handed to every window.
struct AppContext {
    explicit AppContext(plat::Platform& p) : platform(p) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    plat::Platform& platform;
    bool headless = false;
    QString DumpPagesDir;                              // --dump-pages: where the main window writes its pages
    QString AppTitle = QStringLiteral("Quenra极速版"); // caption of message boxes, tray tip

    // Start-up values.
    QString AppPath;     // installation directory, ending in the native separator
    DataFolders Folders; // where the user's files are: beside the program unless Main chose otherwise
    QString ExePath;
    QString PageBase;
    QString ExeName = QStringLiteral("Zavez_ZEP");
    QString ProgramVersion; // as the program shows and reports it, from the build's version
    int ExitStatus = 0;     // the process's exit status when the exit itself goes well
    int16_t CalendarStaySeconds = 0;
    int16_t CalendarNotifyTime = 0;
    QString PopupStayTime;
    QString PopupSoundFile;
    bool PopupEnabled = false;
    std::shared_ptr<cls_Config> Config;
    ServerSettings server;

    // Session values.
    QString CurrentAccount = QStringLiteral("not loaded");
    QString CurrentPassword;
    QString CurrentNickname;
    uint8_t AccountFlag = 0;
    int32_t LoggedIn = 0;
    bool LoginDialogOpen = false;
    bool ManualLogin = false;

    // Other process-wide values.
    QDateTime StartTime;
    bool PopupShowing = false;
    bool UpdatePending = false;
    bool SettingsOpen = false;
    QString NewsLink;
    int32_t HighestNewsId = 0;
    // The main window's procedures that the push session and the login dialog call; set
    // by the main window, empty until then (the calls are skipped).
    push::PushSink* pushSink = nullptr;
    push::LoginSink* loginSink = nullptr;
    // The quote center follows the pairs that the settings show (the settings dialog calls
    // it once the document says so); set by the main window while it is loaded.
    std::function<void()> refreshShownPairs;
    mTimer Timers{*this};                         // the running CTimer objects
    plat::Window* TaskbarPreviousOwner = nullptr; // the main window's owner before it left it

    // The hidden controller while it is loaded.
    Controller* controller = nullptr;

    // The windows; empty while not loaded.
    std::shared_ptr<frmMain> mainCtl;
    std::shared_ptr<frmSysTray> sysTray;
    std::shared_ptr<frmLiveUpdate> liveUpdate;
    std::shared_ptr<frmFXInfo> fxInfo;
    std::shared_ptr<Form1> form1;
    std::shared_ptr<wsckfrm> wsck;
    std::shared_ptr<frmwinsock> winsock;
    std::shared_ptr<frmPopUp> popup;
    std::shared_ptr<IE_frm> ieFrm;
    std::shared_ptr<frmvote> vote;
    std::shared_ptr<frmaboutnew> about;
    std::shared_ptr<frmdispose> settings;

    // Loads a window into its slot unless it is loaded already.
    // Shared pointers only so that this header needs no window's definition; each slot is
    // the window's one owner.
    template <class F>
    F& load(std::shared_ptr<F>& slot) {
        if (!slot) {
            slot = std::make_shared<F>(*this);
            slot->Form_Load();
        }
        return *slot;
    }
    // Unloads the window in the slot, unless its query-unload cancels; nothing when empty.
    template <class F>
    void unload(std::shared_ptr<F>& slot) {
        if (!slot) return;
        if (slot->Form_QueryUnload(1)) return;
        std::shared_ptr<F> gone = std::move(slot);
        gone->Form_Unload();
    }
};
