#include "calendar/ReminderEngine.h"
#include "base/VbText.h"
#include "calendar/CalendarMarkup.h"
#include "calendar/CalendarPage.h"
#include "calendar/CalendarState.h"
#include "calendar/CalendarStore.h"
#include "calendar/CalendarTime.h"
#include "calendar/ReminderText.h"
#include "calendar/WeekSetup.h"
#include "calendar/WeekView.h"
#include "core/AppContext.h"
#include "core/Controller.h"
#include "core/ResumeNext.h"
#include "platform/Platform.h"
#include "platform/dom/Element.h"

namespace {

// A result is awaited this long after its release.
constexpr qint64 AwaitedMinutes = 5;
// A reminder whose release is further past than this is no longer announced.
constexpr qint64 LateSeconds = 60;

} // namespace

ReminderEngine::ReminderEngine(AppContext& ctx, CalendarState& state, CalendarStore& store, CalendarPage& page,
                               WeekView& view, WeekSetup& setup)
    : ctlTimeCalc(ctx.platform.loop(), 0, true), ctlTimeNotify(ctx.platform.loop(), 0, true), ctx_(ctx), state_(state),
      store_(store), page_(page), view_(view), setup_(setup) {
    ctlTimeCalc.onTimer = [this] { step("ctlTimeCalc_Timer", [this] { ctlTimeCalc_Timer(); }); };
    ctlTimeNotify.onTimer = [this] { step("ctlTimeNotify_Timer", [this] { ctlTimeNotify_Timer(); }); };
}

void ReminderEngine::ctlTimeCalc_Timer() {
    step("new week", [this] { setup_.rollOver(); });
    if (!state_.CalendarLoaded) return;
    const QDateTime now = ctx_.platform.loop().now();
    const int today = CalendarTime::weekday(now.date());
    if (!today) return;
    if (!PendingReminder.isEmpty()) countdown(now);
    if (state_.TodayMark != today) {
        step("today's mark", [&] { view_.markToday(today); });
        state_.TodayMark = static_cast<int16_t>(today);
        step("today's tab", [&] { view_.SelWeekTab(today); });
        state_.NextIndex = 0;
    }
    scan(today, now);
}

void ReminderEngine::scan(int today, const QDateTime& now) {
    std::vector<CalendarItem> items = store_.items(today);
    const int n = static_cast<int>(items.size());
    const QString nowText = CalendarTime::hhmm(now);
    QString next;
    QDateTime release;
    QStringList lines;
    for (int i = state_.NextIndex; i < n; ++i) {
        const QString t = items[i].time();
        const auto at = CalendarTime::at(now.date(), t);
        if (!at) continue; // not a time of day: nothing to announce or mark
        if (t > nowText) {
            if (next.isEmpty()) {
                next = t;
                release = *at;
                state_.NextIndex = static_cast<int16_t>(i);
            }
            const qint64 m = CalendarTime::minutesBetween(now, release);
            pace(m);
            if (t != next) break;
            if (m <= qint64{ctx_.CalendarNotifyTime} + 1 && vb::Val(items[i].notify()) == 1)
                remind(items[i], i, today, lines);
        } else if (state_.SelectedDay == today) {
            if (i == n - 1) state_.NextIndex = static_cast<int16_t>(n);
            const dom::Element* table = page_.find(QStringLiteral("iCalendar_Table"));
            if (!table || table->rows().size() < 2) return;
            markPassed(items[i], i, t, now);
            if (ctlTimeCalc.Interval() == FastScanMs) ctlTimeCalc.setInterval(SlowScanMs);
        }
    }
    if (!lines.isEmpty()) schedule(lines.join(ReminderText::LineBreak), release, now);
}

// Every second while the next release is at most a minute away, so that it turns past on time.
void ReminderEngine::pace(qint64 minutesAway) {
    if (minutesAway > 1 && ctlTimeCalc.Interval() == FastScanMs)
        ctlTimeCalc.setInterval(SlowScanMs);
    else if (minutesAway <= 1 && ctlTimeCalc.Interval() == SlowScanMs)
        ctlTimeCalc.setInterval(FastScanMs);
}

void ReminderEngine::remind(CalendarItem& item, int index, int today, QStringList& lines) {
    lines << ReminderText::line(item);
    item.setNotify(QStringLiteral("2"));
    if (state_.SelectedDay != today) return;
    if (dom::Element* box = page_.find(CalendarPage::reminderId(today, index + 1))) box->setDisabled(true);
}

void ReminderEngine::markPassed(CalendarItem& item, int index, const QString& time, const QDateTime& now) {
    const int row = index + 1;
    const int day = state_.SelectedDay;
    step("past event", [&] {
        page_.cell(row, 3).setInnerHTML(CalendarMarkup::control(CalendarMarkup::Control::TodayPassed, day, row, {}));
    });
    const auto at = CalendarTime::at(now.date(), time);
    if (CalendarTime::minutesBetween(*at, now) >= AwaitedMinutes || !item.result().isEmpty()) return;
    item.setResult(QStringLiteral("?"));
    state_.AwaitedResultTime = time;
    step("awaited result", [&] {
        dom::Element& description = page_.cell(row, 1);
        description.setInnerHTML(description.innerHTML() + CalendarMarkup::awaitedMarker());
    });
}

void ReminderEngine::schedule(const QString& text, const QDateTime& release, const QDateTime& now) {
    const qint64 ahead = qint64{ctx_.CalendarNotifyTime} * 60;
    if (now.secsTo(release) - ahead < 1) {
        announce(text, QStringLiteral("财经事件提醒"));
        return;
    }
    PendingReminder = text;
    pendingRelease_ = release;
    pendingDue_ = release.addSecs(-ahead);
    ctlTimeNotify.setInterval(CountdownMs);
}

void ReminderEngine::ctlTimeNotify_Timer() { countdown(ctx_.platform.loop().now()); }

// Due within the coming second: announced now, as the one-second countdown would.
void ReminderEngine::countdown(const QDateTime& now) {
    if (!PendingReminder.isEmpty() && now.msecsTo(pendingDue_) >= CountdownMs) return;
    const QString text = PendingReminder;
    const bool late = pendingRelease_.secsTo(now) > LateSeconds;
    stopCountdown();
    if (text.isEmpty()) return;
    if (late) {
        ctx_.platform.log().write(QStringLiteral("calendar"),
                                  QStringLiteral("reminder not shown, its events are past: ") + text);
        return;
    }
    announce(text, QStringLiteral("财经事件提醒!"));
}

void ReminderEngine::stopCountdown() {
    ctlTimeNotify.setInterval(0);
    PendingReminder.clear();
}

void ReminderEngine::announce(const QString& text, const QString& title) {
    if (!ctx_.controller) return;
    Controller& controller = *ctx_.controller;
    step("reminder popup", [&] { controller.Popup(ReminderText::popupHtml(text), ctx_.CalendarStaySeconds); });
    step("reminder balloon", [&] { controller.ShowBalloonTip(text, title, 1); });
}

void ReminderEngine::step(const char* what, const std::function<void()>& fn) {
    ResumeNext(ctx_.platform.log(), QStringLiteral("calendar reminders: ") + QString::fromLatin1(what), fn);
}
