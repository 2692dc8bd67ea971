#pragma once
#include <QString>

struct AppContext;
class MainPage;
class TabSwitcher;

// The top-right corner of the page: the links to log in and register, or the logged-in
// account's name and the link to log out; behind the name the account data pane.
class AccountPanel {
public:
    AccountPanel(AppContext& ctx, MainPage& page, TabSwitcher& tabs) : ctx_(ctx), page_(page), tabs_(tabs) {}

    // Renders the header for the current login state.
    void load_status1();
    // Logs out: forgets the credentials and closes the push session.
    void quituser();
    // Opens the login dialog afresh, for the user to log in by hand.
    void pop_load();
    void pop_registry();
    void frm_loadinfo();
    // Opens the vendor's change-password page in the user's browser.
    void retrieve_page();

private:
    void setHeader(bool loggedIn, const QString& cellWidth);
    void showAccount();

    AppContext& ctx_;
    MainPage& page_;
    TabSwitcher& tabs_;
};
