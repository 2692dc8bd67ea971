#pragma once
#include "core/Form.h"
#include "platform/loop/WindowTimer.h"
#include "update/UpdateManifest.h"
#include "update/ctlDownload.h"
#include <QString>
#include <array>
#include <memory>

struct AppContext;
namespace plat {
class HttpFetch;
class ImageBox;
class Label;
class ProgressBar;
class Window;
} // namespace plat

// The live update: fetches the vendor's manifest at start-up, opens the main window when
// no newer version is offered, otherwise downloads the installer (the Debian package for a
// system-wide installation), saves it where the data folders say and ends the program so
// that the installer runs last.
class frmLiveUpdate : public Form {
public:
    explicit frmLiveUpdate(AppContext& ctx);
    ~frmLiveUpdate() override;

    void Form_Load() override;
    void Form_Unload() override;

    bool Tip = false; // set by the controller; kept only

    void ClickOK();
    void ClickCancel();
    void iButton_Click(int index);
    // The manifest fetch has ended (ok false: unreachable).
    void m_XML_onreadystatechange(bool ok, const QByteArray& data);

    plat::Window& window() { return *window_; }

private:
    void buildWindow();
    void Form_Activate();
    void manifestArrived(bool ok, const QByteArray& data, const QString& error);
    void manifestTimedOut();
    void openMainWindow();
    void startUpdate();
    void ctlDown_Progress(qint64 read, qint64 max);
    void ctlDown_Complete(const QByteArray& data, bool success, const QString& key);
    bool saveInstaller(const QByteArray& data);
    void unloadLater();
    void log(const QString& message);

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    std::unique_ptr<plat::HttpFetch> m_XML;
    // Bounds the wait for the manifest: a file server that never answers counts as none.
    plat::WindowTimer manifestWait_;
    ctlDownload ctlDown;
    UpdateManifest manifest_;
    bool downloadStarted_ = false;
    plat::Label* message_ = nullptr;
    plat::Label* progressText_ = nullptr;
    plat::ProgressBar* progress_ = nullptr;
    std::array<plat::ImageBox*, 2> iButton_{};
};
