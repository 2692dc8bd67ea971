#pragma once
#include <QString>

struct AppContext;
struct CalendarState;
class CalendarItem;
class CalendarPage;
class CalendarStore;
namespace dom {
class Element;
}

// The week view of the calendar pane: the weekday tabs, the key events of the day shown
// and its table of events with their reminder controls, and the user's reminder choices.
class WeekView {
public:
    WeekView(AppContext& ctx, CalendarState& state, CalendarStore& store, CalendarPage& page)
        : ctx_(ctx), state_(state), store_(store), page_(page) {}

    // Draws the day's events into the table; a day without events leaves the table as it is.
    void SelWeek(int day);
    // Selects the day's tab and, while someone is logged in, draws the day.
    void SelWeekTab(int day);
    // The same after a login: the tab keeps its background.
    void ClickToday(int day);
    // A click in the table's body: the reminder check box clicked switches the event's
    // reminder on or off.
    void TBodyClick();
    // Today's tab carries the "today" mark (the scanner's).
    void markToday(int day);
    // The day of another week goes: the table keeps only its header, the key-events box
    // empties.
    void clearDay();

private:
    void select(int day, bool background);
    void deleteRows(dom::Element& table);
    void fillKeyEvents(int day);
    void appendRow(dom::Element& table, const CalendarItem& item, int day, int index, int offset, const QString& now);

    AppContext& ctx_;
    CalendarState& state_;
    CalendarStore& store_;
    CalendarPage& page_;
};
