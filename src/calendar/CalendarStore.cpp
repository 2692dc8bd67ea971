#include "calendar/CalendarStore.h"
#include "calendar/CalendarRecord.h"
#include "config/cls_Config.h"
#include "core/AppContext.h"
#include <stdexcept>

namespace {

const QString Calendar = QStringLiteral("FXCalendar");
const QString DateFrom = QStringLiteral("DateFrom");
const QString Event = QStringLiteral("Event");

QString dayPath(int day) { return QStringLiteral("FXCalendar/Week") + QString::number(day); }

} // namespace

cls_Config& CalendarStore::config() const {
    if (!ctx_.Config) throw std::runtime_error("no configuration document for the calendar");
    return *ctx_.Config;
}

void CalendarStore::repair() {
    ensure(QString(), Calendar, DateFrom);
    for (int day = 1; day <= 5; ++day) ensure(Calendar, QStringLiteral("Week") + QString::number(day), Event);
}

// An attribute that cannot be added has no element to go to.
void CalendarStore::ensure(const QString& parent, const QString& element, const QString& attribute) {
    const QString path = parent.isEmpty() ? element : parent + u'/' + element;
    cls_Config& c = config();
    if (c.isExistAttrib(path, attribute) || c.CreateAttrib(path, attribute, QString())) return;
    c.CreateNode(parent, element);
    c.CreateAttrib(path, attribute, QString());
}

std::vector<CalendarItem> CalendarStore::items(int day) const {
    std::vector<CalendarItem> list;
    for (ConfigNode& node : config().WeekList(static_cast<int16_t>(day))) list.emplace_back(std::move(node));
    return list;
}

bool CalendarStore::hasItems(int day) const { return config().isExist(dayPath(day), QStringLiteral("Item")); }

QString CalendarStore::summary(int day) const { return config().GetNodeAttrib(dayPath(day), Event); }

void CalendarStore::setSummary(int day, const QString& text) { config().SetNodeAttrib(dayPath(day), Event, text); }

QString CalendarStore::dateFrom() const { return config().GetNodeAttrib(Calendar, DateFrom); }

void CalendarStore::setDateFrom(const QString& text) { config().SetNodeAttrib(Calendar, DateFrom, text); }

void CalendarStore::add(int day, const CalendarRecord& r) {
    config().AddFXCalendar(static_cast<int16_t>(day), r.time(), r.name(), r.storedPrevious(), r.storedForecast(),
                           r.storedResult(), r.importance(), QString(), QStringLiteral("1"));
}

void CalendarStore::clearDay(int day) { config().RemoveWeekFXCalendar(day); }

void CalendarStore::clearWeek() { config().RemoveAllFXCalendar(); }
