#include "update/frmLiveUpdate.h"
#include "core/AppContext.h"
#include "core/Controller.h"
#include "core/FileHelpers.h"
#include "mainwindow/frmFXInfo.h"
#include "platform/Platform.h"
#include <QFile>

namespace {
// How long the start path waits for the main page before showing the window anyway.
constexpr qint64 MainPageWaitMs = 30000;
// How long the manifest may take before the start path goes on without it.
constexpr int ManifestWaitMs = 30000;
const QString UpdateKey = QStringLiteral("iUpdate");
} // namespace

frmLiveUpdate::frmLiveUpdate(AppContext& ctx)
    : ctx_(ctx), manifestWait_(ctx.platform.loop(), ManifestWaitMs, false), ctlDown(ctx.platform) {}

frmLiveUpdate::~frmLiveUpdate() = default;

void frmLiveUpdate::Form_Load() {
    buildWindow();
    ctlDown.onProgress = [this](qint64 read, qint64 max) { ctlDown_Progress(read, max); };
    ctlDown.onComplete = [this](const QByteArray& data, bool ok, const QString& key) {
        ctlDown_Complete(data, ok, key);
    };
    m_XML = ctx_.platform.createHttpFetch();
    m_XML->onFinished = [this](bool ok, const QByteArray& data, const QString& error) {
        manifestArrived(ok, data, error);
    };
    manifestWait_.onTimer = [this] { manifestTimedOut(); };
    manifestWait_.setEnabled(true);
    m_XML->get(ctx_.server.fileServer + QStringLiteral("/spd_update.xml"));
}

void frmLiveUpdate::manifestArrived(bool ok, const QByteArray& data, const QString& error) {
    manifestWait_.setEnabled(false);
    if (!ok) log(QStringLiteral("no update manifest: ") + error);
    m_XML_onreadystatechange(ok, data);
}

void frmLiveUpdate::manifestTimedOut() {
    manifestWait_.setEnabled(false);
    m_XML->cancel();
    log(QStringLiteral("no update manifest within %1 s").arg(ManifestWaitMs / 1000));
    m_XML_onreadystatechange(false, {});
}

void frmLiveUpdate::Form_Unload() {
    manifestWait_.setEnabled(false);
    if (m_XML) m_XML->cancel();
    ctlDown.CancelDownload(UpdateKey);
    if (window_) window_->hide();
}

void frmLiveUpdate::buildWindow() {
    window_ = ctx_.platform.createWindow(plat::WindowKind::Dialog);
    window_->setTitle(ctx_.AppTitle);
    window_->setBackgroundColor(0xF4F8FD);
    const QRect work = ctx_.platform.screen().workArea();
    window_->setGeometry(QRect(work.center().x() - 210, work.center().y() - 90, 420, 180));
    window_->onActivate = [this] { Form_Activate(); };

    plat::Label* caption = window_->createLabel();
    caption->setGeometry(QRect(20, 14, 380, 24));
    caption->setFont(QStringLiteral("WenQuanYi Micro Hei"), 12, true);
    caption->setText(QStringLiteral("Quenra极速版 软件升级"));
    message_ = window_->createLabel();
    message_->setGeometry(QRect(20, 46, 380, 22));
    progress_ = window_->createProgressBar();
    progress_->setGeometry(QRect(20, 76, 380, 18));
    progressText_ = window_->createLabel();
    progressText_->setGeometry(QRect(20, 100, 380, 20));
    const QString images = ctx_.AppPath + QStringLiteral("image/");
    const QString pictures[2] = {QStringLiteral("setok.gif"), QStringLiteral("setcancel.gif")};
    for (int i = 0; i < 2; ++i) {
        plat::ImageBox* button = window_->createImageBox();
        button->setPicture(images + pictures[i]);
        button->setGeometry(QRect(i == 0 ? 232 : 322, 132, 78, 28));
        button->setHandCursor(true);
        button->onClick = [this, i] { iButton_Click(i); };
        iButton_[i] = button;
    }
}

void frmLiveUpdate::Form_Activate() {
    // The window stays above the others; there is no close box to press meanwhile.
    window_->setTopmost(true);
}

void frmLiveUpdate::m_XML_onreadystatechange(bool ok, const QByteArray& data) {
    const std::optional<UpdateManifest> manifest = ok ? UpdateManifest::parse(data) : std::nullopt;
    if (!manifest || !manifest->isNewerThan(ctx_.ProgramVersion)) {
        openMainWindow();
        return;
    }
    manifest_ = ctx_.Folders.perUser() ? manifest->packageOffer() : *manifest;
    startUpdate();
}

void frmLiveUpdate::startUpdate() {
    if (ctx_.controller)
        ctx_.controller->ShowBalloonTip(QStringLiteral("软件正在升级，请等待。若升级失败，请到官网：") +
                                            ctx_.server.webSite + QStringLiteral(" 下载安装最新版。"),
                                        QStringLiteral("升级提醒"), 1);
    message_->setText(QStringLiteral("发现新版本 %1，正在下载安装程序…").arg(manifest_.version));
    window_->show();
    ClickOK();
}

// From the main window's load to its showing, one wait: what the window's load put off until
// after the wait (the login, the identity report) comes after the window is shown.
void frmLiveUpdate::openMainWindow() {
    plat::EventLoop& loop = ctx_.platform.loop();
    loop.runAsWait([this, &loop] {
        plat::Screen& screen = ctx_.platform.screen();
        screen.setBusyCursor(true);
        frmFXInfo& main = ctx_.load(ctx_.fxInfo);
        const qint64 until = loop.nowMs() + MainPageWaitMs;
        while (main.Busy() && loop.nowMs() < until) loop.pumpMessages();
        if (main.Busy()) log(QStringLiteral("the main page is still loading; showing the window anyway"));
        screen.setBusyCursor(false);
        main.frm_initial();
        main.window().show();
    });
    unloadLater();
}

void frmLiveUpdate::ClickOK() {
    if (!downloadStarted_) {
        ctlDown.BeginDownload(manifest_.download, UpdateKey);
        downloadStarted_ = true;
        return;
    }
    files::ShellOpen(ctx_, manifest_.url);
    if (ctx_.controller) ctx_.controller->ExitLater();
}

void frmLiveUpdate::ClickCancel() { unloadLater(); }

void frmLiveUpdate::iButton_Click(int index) {
    if (index == 0) ClickOK();
    unloadLater();
}

void frmLiveUpdate::ctlDown_Progress(qint64 read, qint64 max) {
    progress_->setRange(max > 0 ? max : 0);
    progress_->setValue(read);
    const QString percent = max > 0 ? QString::number(read * 100 / max) + QLatin1Char('%') : QStringLiteral("…");
    progressText_->setText(QStringLiteral("已下载 %1 KB / %2 KB（%3）")
                               .arg(read / 1024)
                               .arg(max > 0 ? QString::number(max / 1024) : QStringLiteral("?"))
                               .arg(percent));
}

void frmLiveUpdate::ctlDown_Complete(const QByteArray& data, bool success, const QString&) {
    if (!success) {
        message_->setText(QStringLiteral("下载失败。请点击确定到官网下载，或点击取消。"));
        return;
    }
    if (data.size() != ctlDown.MaxBytes() || !manifest_.digestMatches(data)) {
        log(QStringLiteral("installer rejected: %1 bytes, %2 expected, digest %3")
                .arg(data.size())
                .arg(ctlDown.MaxBytes())
                .arg(manifest_.digestMatches(data) ? "ok" : "wrong"));
        message_->setText(QStringLiteral("下载的安装程序不完整。请点击确定到官网下载，或点击取消。"));
        return;
    }
    if (!saveInstaller(data)) return;
    ctx_.UpdatePending = true;
    // The exit unloads this window: it runs after this event.
    if (ctx_.controller) ctx_.controller->exitOutsideWaits();
}

bool frmLiveUpdate::saveInstaller(const QByteArray& data) {
    const QString path = ctx_.Folders.updateFile(ctx_);
    files::DeleteFile(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush()) {
        log(QStringLiteral("cannot write ") + path + QStringLiteral(": ") + file.errorString());
        return false;
    }
    return true;
}

void frmLiveUpdate::unloadLater() {
    AppContext& ctx = ctx_;
    ctx.platform.loop().post([&ctx] { ctx.unload(ctx.liveUpdate); });
}

void frmLiveUpdate::log(const QString& message) { ctx_.platform.log().write(QStringLiteral("frmLiveUpdate"), message); }
