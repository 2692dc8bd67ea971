#pragma once

struct AppContext;

// The dialogs that go away when the main window is minimised or closed and come back when
// it is shown again: those that are open at the time: the login, settings and about dialogs.
class OwnedDialogs {
public:
    explicit OwnedDialogs(AppContext& ctx) : ctx_(ctx) {}

    void hideOpen();
    void showOpen();

private:
    bool loginOpen() const;
    bool settingsOpen() const;

    AppContext& ctx_;
};
