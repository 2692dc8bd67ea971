#pragma once
#include "calendar/CalendarDownload.h"
#include "calendar/CalendarPage.h"
#include "calendar/CalendarState.h"
#include "calendar/CalendarStore.h"
#include "calendar/ReminderEngine.h"
#include "calendar/WeekSetup.h"
#include "calendar/WeekView.h"
#include <QString>
#include <cstdint>

struct AppContext;
namespace plat {
class Browser;
}

// The economic calendar of the main window: this week's events from the push server in
// the calendar store, shown one weekday at a time in the main page's calendar pane, with
// the user's reminder choices and the reminders themselves. The main window hands it its
// page's browser and calls it from the page, the push session and the login dialog.
class EconomicCalendar {
public:
    EconomicCalendar(AppContext& ctx, plat::Browser* page);

    // The week and the cache, once the main page has loaded.
    void frm_initial();
    void GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records);
    void GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records);
    void SelWeekTab(int day) { view_.SelWeekTab(day); }
    void ClickToday(int day) { view_.ClickToday(day); }
    void TBodyClick() { view_.TBodyClick(); }

    const CalendarState& state() const { return state_; }
    ReminderEngine& reminders() { return engine_; }

private:
    CalendarState state_;
    CalendarStore store_;
    CalendarPage page_;
    WeekView view_;
    WeekSetup setup_;
    ReminderEngine engine_;
    CalendarDownload download_;
};
