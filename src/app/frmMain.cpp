#include "app/frmMain.h"
#include "core/AppContext.h"
#include "app/PageDump.h"
#include "core/ResumeNext.h"
#include "app/frmSysTray.h"
#include "app/m_Main.h"
#include "core/FileHelpers.h"
#include "config/cRegistry.h"
#include "config/cls_Config.h"
#include "dialogs/IE_frm.h"
#include "dialogs/frmaboutnew.h"
#include "dialogs/frmvote.h"
#include "dialogs/frmdispose.h"
#include "mainwindow/frmFXInfo.h"
#include "notify/frmPopUp.h"
#include "platform/Platform.h"
#include "session/Form1.h"
#include "session/frmwinsock.h"
#include "session/wsckfrm.h"
#include "update/frmLiveUpdate.h"
#include "base/VbText.h"
#include <QFile>

namespace {

const QString ProductKey = QStringLiteral("Software\\Zavez_ZEP\\");

cRegistry registryValue(AppContext& ctx, uint32_t root, const QString& section, const QString& name, int32_t type) {
    cRegistry reg(ctx.platform.registry());
    reg.setClassKey(root);
    reg.setSectionKey(section);
    reg.setValueKey(name);
    reg.setValueType(type);
    return reg;
}

// Unloads the window in the slot; a failure is logged and the exit goes on.
template <class F>
bool unloadStep(AppContext& ctx, std::shared_ptr<F>& slot) {
    return ResumeNext(ctx.platform.log(), QStringLiteral("ExitApp"), [&] { ctx.unload(slot); });
}

} // namespace

frmMain::frmMain(AppContext& ctx) : ctlTimeTerminate(ctx.platform.loop(), 100, false), ctx_(ctx) {
    ctlTimeTerminate.onTimer = [this] { ctlTimeTerminate_Timer(); };
    ctx_.controller = this;
}

frmMain::~frmMain() {
    if (ctx_.controller == this) ctx_.controller = nullptr;
    closeWindow();
}

void frmMain::Form_Load() {
    // The window with this title is what another process looks for.
    window_ = ctx_.platform.createWindow(plat::WindowKind::Hidden);
    window_->setTitle(m_Main::ControllerTitle);
    if (!ctx_.platform.shell().registerWindowTitle(m_Main::ControllerTitle))
        log(QStringLiteral("cannot register the window title"));
    ctx_.StartTime = ctx_.platform.loop().now();
    // From here on a failing step is logged and the next one runs.
    plat::Log& sink = ctx_.platform.log();
    ResumeNext(sink, QStringLiteral("frmMain.Form_Load"), [this] { loadTrayIcon(); });
    ResumeNext(sink, QStringLiteral("frmMain.Form_Load"), [this] { tuneConnectionLimit(); });
    ResumeNext(sink, QStringLiteral("frmMain.Form_Load"), [this] { recordInstallPath(); });
    removeLeftoverInstaller();
    ResumeNext(sink, QStringLiteral("frmMain.Form_Load"), [this] { ChkLiveUpdate(true); });
}

void frmMain::Form_Unload() {
    // Each on its own: a registry that cannot be written must not cost the settings.
    const bool timed =
        ResumeNext(ctx_.platform.log(), QStringLiteral("frmMain.Form_Unload"), [this] { addUsageTime(); });
    const bool saved = ctx_.Config->XMLSave();
    if (!saved) log(QStringLiteral("ZEP.xml was not saved"));
    unloadFailed_ = !timed || !saved;
    closeWindow();
}

void frmMain::Form_Terminate() {
    const QString installer = installerPath();
    if (!ctx_.UpdatePending) {
        removeLeftoverInstaller();
        return;
    }
    if (ctx_.Folders.perUser()) {
        handPackageOver(installer);
        return;
    }
    // A download arrives without the execute permission.
    QFile::setPermissions(installer,
                          QFile::permissions(installer) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    const QStringList args{QStringLiteral("/sp-"), QStringLiteral("/verysilent"), QStringLiteral("/norestart")};
    if (!ctx_.platform.shell().startDetached(installer, args, ctx_.AppPath))
        log(QStringLiteral("cannot start ") + installer);
}

void frmMain::ExitApp() {
    // This object goes with the controller's unload; only the context is used after it.
    AppContext& ctx = ctx_;
    ResumeNext(ctx.platform.log(), QStringLiteral("ExitApp"), [&] { PageDump(ctx).write(); });
    // The fixed order of the exit.
    unloadStep(ctx, ctx.ieFrm);
    unloadStep(ctx, ctx.fxInfo);
    unloadStep(ctx, ctx.form1);
    unloadStep(ctx, ctx.winsock);
    unloadStep(ctx, ctx.vote);
    unloadStep(ctx, ctx.about);
    unloadStep(ctx, ctx.settings);
    unloadStep(ctx, ctx.popup);
    unloadStep(ctx, ctx.sysTray);
    unloadStep(ctx, ctx.liveUpdate);
    unloadStep(ctx, ctx.wsck);
    // The controller comes last. Taken just before its unload, so that an ExitApp that
    // ran meanwhile (from a message pumped above) has already done the rest.
    const std::shared_ptr<frmMain> self = ctx.mainCtl;
    unloadStep(ctx, ctx.mainCtl);
    int status = ctx.ExitStatus;
    if (self) {
        self->Form_Terminate();
        if (self->unloadFailed_) status = 1;
    }
    ctx.platform.loop().quit(status);
}

void frmMain::Popup(const QString& html, int32_t stay) { popups_.Popup(html, stay, *window_); }

void frmMain::loadTrayIcon() {
    frmSysTray& tray = ctx_.load(ctx_.sysTray);
    tray.MenuClick = [this](const QString& key) { m_frmSysTray_MenuClick(key); };
    tray.SysTrayMouseDown = [this](int button) { m_frmSysTray_SysTrayMouseDown(button); };
}

void frmMain::ChkLiveUpdate(bool tip) { ctx_.load(ctx_.liveUpdate).Tip = tip; }

void frmMain::ShowBalloonTip(const QString& text, const QString& title, int iconFlags) {
    constexpr int FiveMinutes = 300000;
    if (ctx_.sysTray) ctx_.sysTray->ShowBalloonTip(text, title, iconFlags, FiveMinutes);
}

void frmMain::m_frmSysTray_MenuClick(const QString& key) {
    if (key == QLatin1String("Exit"))
        exitOutsideWaits();
    else if (key == QLatin1String("Main"))
        ShowFxInfo();
    else if (key == QLatin1String("Settings"))
        ctx_.load(ctx_.settings).Show(ctx_.fxInfo ? &ctx_.fxInfo->window() : nullptr);
    else if (key == QLatin1String("About"))
        frmaboutnew::Open(ctx_, ctx_.fxInfo ? &ctx_.fxInfo->window() : nullptr);
}

void frmMain::m_frmSysTray_SysTrayMouseDown(int button) {
    if (button == 2) {
        if (ctx_.sysTray) ctx_.sysTray->ShowMenu();
    } else if (button == 1) {
        if (!bringBackUnlessMinimised(false)) restoreMinimised();
    }
}

void frmMain::ShowFxInfo() {
    if (!bringBackUnlessMinimised(true)) restoreMinimised();
}

bool frmMain::bringBackUnlessMinimised(bool activate) {
    // Not loaded yet when the user cancelled the update: the tray is the way to it then.
    frmFXInfo& fx = ctx_.load(ctx_.fxInfo);
    plat::Window& main = fx.window();
    if (main.state() == plat::WindowState::Minimized) return false;
    main.show();
    if (activate) {
        // Only a docked window has an edge to come out of; any other stays where it is.
        if (fx.docking().docked()) fx.BerthShow();
        main.activate();
    }
    return true;
}

void frmMain::restoreMinimised() {
    plat::Window& main = ctx_.fxInfo->window();
    cls_Config& config = *ctx_.Config;
    if (vb::Val(config.GetNodeAttrib(QStringLiteral("Window/ZEP_state"), QStringLiteral("windstate"))) == 2) {
        main.setState(plat::WindowState::Maximized);
        return;
    }
    main.setState(plat::WindowState::Normal);
    auto stored = [&](const char* key) {
        return static_cast<int>(vb::Val(config.GetNodeAttrib(QStringLiteral("Window/ZEP_Main"), QLatin1String(key))));
    };
    main.setGeometry(QRect(stored("Left"), stored("Top"), stored("Width"), stored("Height")));
}

void frmMain::ctlTimeTerminate_Timer() {
    ctlTimeTerminate.setEnabled(false);
    exitOutsideWaits();
}

void frmMain::ExitLater() { ctlTimeTerminate.setEnabled(true); }

void frmMain::exitOutsideWaits() {
    // A wait that pumps messages (the start path's wait for the main page) must not have
    // its windows unloaded under it: the exit runs once it has returned.
    AppContext& ctx = ctx_;
    ctx.platform.loop().postOutsideWaits([&ctx] {
        if (ctx.mainCtl) ctx.mainCtl->ExitApp();
    });
}

void frmMain::tuneConnectionLimit() {
    cRegistry reg = registryValue(ctx_, cRegistry::HKEY_CURRENT_USER,
                                  QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings"),
                                  QStringLiteral("MaxConnectionsPerServer"), cRegistry::REG_DWORD);
    if (reg.Value().toInt() != 10) reg.setValue(10);
}

void frmMain::recordInstallPath() {
    registryValue(ctx_, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, QStringLiteral("Path"), cRegistry::REG_SZ)
        .setValue(ctx_.ExePath);
}

void frmMain::addUsageTime() {
    cRegistry reg =
        registryValue(ctx_, cRegistry::HKEY_LOCAL_MACHINE, ProductKey, QStringLiteral("Time"), cRegistry::REG_DWORD);
    const qint64 seconds = ctx_.StartTime.secsTo(ctx_.platform.loop().now());
    reg.setValue(static_cast<int32_t>(reg.Value().toLongLong() + seconds));
}

QString frmMain::installerPath() const { return ctx_.Folders.updateFile(ctx_); }

// A system-wide installation is the package manager's: the desktop's package installer
// (which asks for the administrator's password) installs the downloaded package.
void frmMain::handPackageOver(const QString& package) {
    ctx_.platform.messageBox().show(
        QStringLiteral("新版本的安装包已下载到：\n%1\n\n现在交给系统的软件包安装程序安装（需要管理员密码）。\n"
                       "也可以在终端中运行：\nsudo apt install %1")
            .arg(package),
        plat::mb::Information | plat::mb::OkOnly, ctx_.AppTitle);
    if (!ctx_.platform.shell().open(package)) log(QStringLiteral("cannot open ") + package);
}

void frmMain::removeLeftoverInstaller() {
    const QString installer = installerPath();
    if (files::FileExists(installer) && !files::DeleteFile(installer))
        log(QStringLiteral("cannot remove ") + installer);
}

void frmMain::closeWindow() {
    if (!window_) return;
    ctx_.platform.shell().unregisterWindowTitle(m_Main::ControllerTitle);
    window_.reset();
}

void frmMain::log(const QString& message) { ctx_.platform.log().write(QStringLiteral("frmMain"), message); }
