#include "calendar/CalendarDownload.h"
#include "base/VbText.h"
#include "calendar/CalendarRecord.h"
#include "calendar/CalendarState.h"
#include "calendar/CalendarStore.h"
#include "calendar/CalendarTime.h"
#include "calendar/ReminderText.h"
#include "calendar/WeekView.h"
#include "core/AppContext.h"
#include "core/Controller.h"
#include "core/ResumeNext.h"
#include "platform/Platform.h"
#include <utility>

namespace {

// Results awaited longer than this are given up.
constexpr qint64 AwaitedMinutes = 5;

int weekdayOf(int16_t dayCode) {
    const int day = dayCode - '0';
    return day >= 1 && day <= 5 ? day : 0;
}

} // namespace

bool CalendarDownload::GetInfo_DownCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    const int day = weekdayOf(dayCode);
    if (!day || state_.CalendarLoaded) return false;
    if (!summary.isEmpty() && summary.contains(u'#')) step("summary", [&] { store_.setSummary(day, summary); });
    // A transfer cut short and sent again must not store a day twice.
    step("clear the day", [&] { store_.clearDay(day); });
    separate_cal(day, records);
    if (day != 5) return false;
    if (state_.SelectedDay >= 1 && state_.SelectedDay <= 5) redraw(state_.SelectedDay);
    state_.CalendarLoaded = true;
    return true;
}

void CalendarDownload::separate_cal(int day, const QString& records) {
    for (const CalendarRecord& r : CalendarRecord::split(records))
        if (r.storable()) store_.add(day, r);
}

void CalendarDownload::GetInfo_UpdateCalendar(int16_t dayCode, const QString& summary, const QString& records) {
    const int day = weekdayOf(dayCode);
    if (!day || !state_.CalendarLoaded) return;
    step("summary", [&] { store_.setSummary(day, summary); });
    QList<CalendarRecord> counted;
    for (const CalendarRecord& r : CalendarRecord::split(records))
        if (r.counted()) counted.append(r);
    std::vector<CalendarItem> items = store_.items(day);
    if (counted.size() != static_cast<qsizetype>(items.size())) {
        rebuild(day, records, items);
        return;
    }
    const bool today = CalendarTime::weekday(ctx_.platform.loop().now().date()) == day;
    QStringList notice;
    bool changed = false;
    for (size_t k = 0; k < items.size(); ++k)
        changed |= refresh(counted[static_cast<qsizetype>(k)], items[k], today, notice);
    if (!notice.isEmpty()) step("result notice", [&] { announceResults(notice); });
    changed |= giveUpAwaited(items);
    if (changed) redraw(state_.SelectedDay);
}

// A record cut short has no value to compare: its event stays as it is.
bool CalendarDownload::refresh(const CalendarRecord& record, CalendarItem& item, bool today, QStringList& notice) {
    if (!record.complete()) return false;
    bool written = false;
    const auto update = [&](const QString& received, const QString& stored, void (CalendarItem::*set)(const QString&)) {
        if (received == stored) return false;
        (item.*set)(received);
        written = true;
        return true;
    };
    update(record.time(), item.timeAttribute(), &CalendarItem::setTime);
    update(record.previous(), item.previous(), &CalendarItem::setPrevious);
    update(record.refreshedForecast(), item.forecast(), &CalendarItem::setForecast);
    const bool published =
        update(record.refreshedResult(), QString(item.result()).remove(u'?'), &CalendarItem::setResult);
    if (published && today && item.time() == state_.AwaitedResultTime) {
        const QString line = ReminderText::resultLine(item);
        if (!line.isEmpty()) notice << line;
    }
    return written;
}

void CalendarDownload::announceResults(const QStringList& notice) {
    if (!ctx_.controller) return;
    ctx_.controller->ShowBalloonTip(notice.join(ReminderText::LineBreak),
                                    QStringLiteral("财经数据 ") + state_.AwaitedResultTime, 1);
}

bool CalendarDownload::giveUpAwaited(std::vector<CalendarItem>& items) {
    const QDateTime now = ctx_.platform.loop().now();
    const auto awaited = CalendarTime::at(now.date(), state_.AwaitedResultTime);
    if (!awaited || CalendarTime::minutesBetween(*awaited, now) <= AwaitedMinutes) return false;
    bool cleared = false;
    for (CalendarItem& item : items) {
        if (item.result() != u'?') continue;
        item.setResult(QString());
        cleared = true;
    }
    return cleared;
}

void CalendarDownload::rebuild(int day, const QString& records, const std::vector<CalendarItem>& old) {
    std::vector<std::pair<QString, QString>> chosen;
    for (const CalendarItem& item : old)
        if (vb::Val(item.notify()) > 0) chosen.emplace_back(item.name(), item.notify());
    store_.clearDay(day);
    separate_cal(day, records);
    // Positions have moved: the scanner looks at today's events from the first again, so
    // that none still ahead is passed over (those reminded keep their "2").
    if (CalendarTime::weekday(ctx_.platform.loop().now().date()) == day) state_.NextIndex = 0;
    for (CalendarItem& item : store_.items(day))
        for (const auto& [name, notify] : chosen)
            if (item.name() == name) item.setNotify(notify);
    if (day == state_.SelectedDay) redraw(day);
}

void CalendarDownload::redraw(int day) {
    step("redraw", [&] { view_.SelWeek(day); });
}

void CalendarDownload::step(const char* what, const std::function<void()>& fn) {
    ResumeNext(ctx_.platform.log(), QStringLiteral("calendar download: ") + QString::fromLatin1(what), fn);
}
