#pragma once
#include <QString>
#include <functional>

struct AppContext;
class FramePanes;
class MainPage;

// The page's tabs and the panes they show: one tab at a time is highlighted and its pane
// shown, filled and sized to the window; the pane left behind is hidden and emptied where
// it holds a frame. The registration and account data panes switch the same way without a
// tab of their own.
class TabSwitcher {
public:
    // calendarDay shows the calendar's day view when the calendar pane comes up.
    TabSwitcher(AppContext& ctx, MainPage& page, FramePanes& panes, std::function<void()> calendarDay);

    void SwitchTab(const QString& id);
    const QString& CurrentTab() const { return CurrentTab_; }
    // The current tab's pane gets the window's height less its margin.
    void fitCurrentPane() const;

private:
    struct Tab;
    static const Tab* find(const QString& id);
    void highlight(const QString& id);
    void leave(const Tab& tab);
    void enter(const Tab& tab);
    void fit(const Tab& tab) const;
    void fillRegistration();

    AppContext& ctx_;
    MainPage& page_;
    FramePanes& panes_;
    std::function<void()> calendarDay_;
    QString CurrentTab_;
};
