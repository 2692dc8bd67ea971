#pragma once
#include "core/Form.h"
#include <QString>
#include <memory>

struct AppContext;
namespace plat {
class Browser;
class Window;
} // namespace plat

// The vote window: a browser window that logs the session's account into the vendor's vote
// pages with the digest of its password, then shows the poll.
class frmvote : public Form {
public:
    // How long the load waits for the login page before it opens the poll all the same.
    static constexpr int LoginWaitLimitMs = 20000;

    explicit frmvote(AppContext& ctx);
    ~frmvote() override;

    // The vote pages' login address: the e-mail form for an account with "." and "@", the
    // phone form otherwise; the account as it is, the password as its digest.
    static QString LoginAddress(const QString& webSite, const QString& account, const QString& password);

    // Logs in (the loop running until the login page is there) and opens the poll.
    void Form_Load() override;
    void Form_Resize();
    void Form_Unload() override;

    void Show();
    plat::Window& window() { return *window_; }
    // nullptr where the system has no browser.
    plat::Browser* WebBrowser1() const { return WebBrowser1_; }

private:
    void waitWhileBusy();

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    plat::Browser* WebBrowser1_;
};
