#pragma once

namespace push {

// What the login dialog asks of the main window.
class LoginSink {
public:
    virtual ~LoginSink() = default;

    // Renders the logged-in state of the account panel.
    virtual void load_status1() = 0;
    // Selects a weekday (Monday 1 .. Sunday 7) in the calendar.
    virtual void ClickToday(int weekday) = 0;
    // Shows the news tab.
    virtual void ClickAll() = 0;
    // Shows the registration pane.
    virtual void pop_registry() = 0;
};

} // namespace push
