#pragma once
#include <functional>

struct AppContext;
struct CalendarState;
class CalendarPage;
class CalendarStore;
class WeekView;

// The week the calendar shows: the Monday it begins on, whether the store still holds it
// whole, and the long dates of its weekday tabs. A program left running into a new week
// sets the new week up the same way, so that the days the server sends fill it.
class WeekSetup {
public:
    WeekSetup(AppContext& ctx, CalendarState& state, CalendarStore& store, CalendarPage& page, WeekView& view)
        : ctx_(ctx), state_(state), store_(store), page_(page), view_(view) {}

    // The week of today; a store of another week, or missing a day, is emptied for it.
    // True when the store holds the whole week (the reminders may start).
    bool setUp();
    // When today belongs to a later week than the one set up: the events of the old week
    // leave the table and the week is set up anew. True when it was.
    bool rollOver();

private:
    bool cacheValid() const;
    void titleTabs();
    void step(const char* what, const std::function<void()>& fn);

    AppContext& ctx_;
    CalendarState& state_;
    CalendarStore& store_;
    CalendarPage& page_;
    WeekView& view_;
};
