#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

// Days and minutes of the calendar: a week runs Monday to Sunday, and release times are
// "HH:MM" texts of the user's local day.
namespace CalendarTime {

// The Monday of the week the date belongs to; Saturday and Sunday still belong to the
// week that began on the Monday before.
QDate weekStart(const QDate& date);
// The weekday tab that date has: Monday 1 .. Friday 5; 0 on Saturday and Sunday.
int weekday(const QDate& date);
// "HH:MM" of a moment, two digits each.
QString hhmm(const QDateTime& moment);
// The moment a release time names on that day (its first five characters, "HH:MM");
// none when they are not a time of day.
std::optional<QDateTime> at(const QDate& day, const QString& time);
// Minute boundaries crossed from `from` to `to`; negative when `to` is earlier.
qint64 minutesBetween(const QDateTime& from, const QDateTime& to);

} // namespace CalendarTime
