#include "calendar/WeekSetup.h"
#include "calendar/CalendarPage.h"
#include "calendar/CalendarState.h"
#include "calendar/CalendarStore.h"
#include "calendar/CalendarTime.h"
#include "calendar/WeekView.h"
#include "core/AppContext.h"
#include "core/ResumeNext.h"
#include "platform/Platform.h"
#include "platform/dom/Element.h"
#include <QLocale>

namespace {

QString storedDate(const QDate& monday) { return monday.toString(QStringLiteral("yyyy/MM/dd")); }

} // namespace

bool WeekSetup::setUp() {
    state_.WeekStart = CalendarTime::weekStart(ctx_.platform.loop().now().date());
    step("repair the store", [&] { store_.repair(); });
    state_.CalendarLoaded = cacheValid();
    if (!state_.CalendarLoaded) {
        step("empty the store", [&] {
            store_.clearWeek();
            store_.setDateFrom(storedDate(state_.WeekStart));
        });
    }
    step("tab titles", [&] { titleTabs(); });
    return state_.CalendarLoaded;
}

bool WeekSetup::cacheValid() const {
    const QString from = store_.dateFrom();
    if (from.isEmpty() || from != storedDate(state_.WeekStart)) return false;
    for (int day = 1; day <= 5; ++day)
        if (!store_.hasItems(day)) return false;
    return true;
}

void WeekSetup::titleTabs() {
    const QLocale locale = QLocale::system();
    for (int day = 1; day <= 5; ++day)
        page_.tab(day).setTitle(locale.toString(state_.WeekStart.addDays(day - 1), QLocale::LongFormat));
}

bool WeekSetup::rollOver() {
    const QDate monday = CalendarTime::weekStart(ctx_.platform.loop().now().date());
    if (!state_.WeekStart.isValid() || monday <= state_.WeekStart) return false;
    ctx_.platform.log().write(QStringLiteral("calendar"),
                              QStringLiteral("the week of %1 has begun: setting it up").arg(storedDate(monday)));
    step("clear the old week", [&] { view_.clearDay(); });
    setUp();
    return true;
}

void WeekSetup::step(const char* what, const std::function<void()>& fn) {
    ResumeNext(ctx_.platform.log(), QStringLiteral("frm_initial ") + QString::fromLatin1(what), fn);
}
