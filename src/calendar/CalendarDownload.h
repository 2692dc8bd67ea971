#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

struct AppContext;
struct CalendarState;
class CalendarItem;
class CalendarRecord;
class CalendarStore;
class WeekView;

// The calendar days that the push server sends, one message per weekday: stored day by
// day until the week is whole, then refreshed as the server sends a day again with new
// results. A result that arrives for today's awaited events is announced in a balloon.
class CalendarDownload {
public:
    CalendarDownload(AppContext& ctx, CalendarState& state, CalendarStore& store, WeekView& view)
        : ctx_(ctx), state_(state), store_(store), view_(view) {}

    // Day codes '1' (Monday) to '5' (Friday). The first fill acts until the week is whole;
    // it answers true for the fifth day, which completes it.
    bool GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records);
    // The refresh acts once the week is whole.
    void GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records);
    // Stores the day's valid records as new events.
    void separate_cal(int day, const QString& records);

private:
    // Same events: field by field. Answers whether anything was written; lines for the
    // result notice are added to notice.
    bool refresh(const CalendarRecord& record, CalendarItem& item, bool today, QStringList& notice);
    void announceResults(const QStringList& notice);
    // Results still awaited five minutes after their time are given up.
    bool giveUpAwaited(std::vector<CalendarItem>& items);
    // Another number of events: the day is stored anew, keeping the reminders chosen.
    void rebuild(int day, const QString& records, const std::vector<CalendarItem>& old);
    void redraw(int day);
    void step(const char* what, const std::function<void()>& fn);

    AppContext& ctx_;
    CalendarState& state_;
    CalendarStore& store_;
    WeekView& view_;
};
