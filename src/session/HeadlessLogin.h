#pragma once
#include "platform/loop/WindowTimer.h"

struct AppContext;
class Form1;
namespace plat {
class Terminal;
}

// The login dialog on a run without a display, where nobody sees it: says that it waits
// and what it shows. On a terminal it asks there what the dialog asks (the password not
// echoed) and logs in as the dialog's button would; otherwise nobody can answer, so it
// says how to remember a login and ends the program after the dialog's time-out.
class HeadlessLogin {
public:
    // The exit status of a run that ended for want of a login.
    static constexpr int NoLoginStatus = 4;

    HeadlessLogin(AppContext& ctx, Form1& dialog, plat::Terminal& terminal);
    ~HeadlessLogin();
    HeadlessLogin(const HeadlessLogin&) = delete;
    HeadlessLogin& operator=(const HeadlessLogin&) = delete;

    // The dialog waits for its user: shown, or still shown after a failure or a time-out.
    void waiting();

private:
    void sayWhatTheDialogShows();
    void askAccount();
    void askPassword();
    void askRemember();
    void submit();
    void giveUp();
    void end();

    AppContext& ctx_;
    Form1& dialog_;
    plat::Terminal& terminal_;
    plat::WindowTimer ending_;
    bool asking_ = false;
};
