#include "calendar/CalendarTime.h"

namespace CalendarTime {

namespace {

QDateTime wholeMinute(const QDateTime& t) { return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute())); }

} // namespace

QDate weekStart(const QDate& date) { return date.addDays(1 - date.dayOfWeek()); }

int weekday(const QDate& date) {
    const int d = date.dayOfWeek();
    return d <= 5 ? d : 0;
}

QString hhmm(const QDateTime& moment) { return moment.time().toString(QStringLiteral("HH:mm")); }

std::optional<QDateTime> at(const QDate& day, const QString& time) {
    const QTime t = QTime::fromString(time.left(5), QStringLiteral("HH:mm"));
    if (!t.isValid()) return std::nullopt;
    return QDateTime(day, t);
}

qint64 minutesBetween(const QDateTime& from, const QDateTime& to) {
    return wholeMinute(from).secsTo(wholeMinute(to)) / 60;
}

} // namespace CalendarTime
