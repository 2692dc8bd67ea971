#pragma once
#include "platform/loop/WindowTimer.h"
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

struct AppContext;
struct CalendarState;
class CalendarItem;
class CalendarPage;
class CalendarStore;
class WeekSetup;
class WeekView;

// Reminders of today's economic events: the scanner (ctlTimeCalc) looks at the next
// release minute and collects the events whose reminder is on once it is close enough;
// the countdown (ctlTimeNotify) announces them, in the popup and a tray balloon, the
// configured number of minutes before the release. Past events turn into disabled radio
// buttons in today's table and their result is awaited for five minutes.
//
// The countdown goes by the clock, not by its ticks: a loop held up by a modal wait, or a
// machine that slept, announces a reminder that fell due meanwhile at once while its
// event is still ahead (or under a minute past), and drops it once the event is further
// past. Each event is announced at most once.
class ReminderEngine {
public:
    static constexpr int SlowScanMs = 45000;
    static constexpr int FastScanMs = 1000;
    static constexpr int CountdownMs = 1000;

    ReminderEngine(AppContext& ctx, CalendarState& state, CalendarStore& store, CalendarPage& page, WeekView& view,
                   WeekSetup& setup);

    // The week is whole: the scanner starts at its slow pace.
    void start() { ctlTimeCalc.setInterval(SlowScanMs); }

    void ctlTimeCalc_Timer();
    void ctlTimeNotify_Timer();

    plat::WindowTimer ctlTimeCalc;
    plat::WindowTimer ctlTimeNotify;

private:
    // Collects the reminders of the next release minute, marks the events past.
    void scan(int today, const QDateTime& now);
    // Announces the pending reminder once it is due, unless its event is long past.
    void countdown(const QDateTime& now);
    void pace(qint64 minutesAway);
    void remind(CalendarItem& item, int index, int today, QStringList& lines);
    // Today's table shows the event as past; its result is awaited for a while.
    void markPassed(CalendarItem& item, int index, const QString& time, const QDateTime& now);
    void schedule(const QString& text, const QDateTime& release, const QDateTime& now);
    void announce(const QString& text, const QString& title);
    void stopCountdown();
    void step(const char* what, const std::function<void()>& fn);

    AppContext& ctx_;
    CalendarState& state_;
    CalendarStore& store_;
    CalendarPage& page_;
    WeekView& view_;
    WeekSetup& setup_;
    QString PendingReminder;
    QDateTime pendingDue_;     // when the pending reminder is announced
    QDateTime pendingRelease_; // the release it announces
};
