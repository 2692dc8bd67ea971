#pragma once
#include "CalendarEvent.h"
#include <QList>
#include <QRandomGenerator>

// The economic calendar of the current week, Monday to Friday: events with previous
// values and forecasts, whose results are published as their release time passes, and
// the texts of the day records in the client's syntax.
class CalendarWeek {
public:
    static constexpr int kDays = 5;
    // Minutes after the start of the live releases of today.
    static constexpr int kLiveEventMinutes[] = {7, 7, 11};

    CalendarWeek(quint32 seed, const QDateTime& now);

    // Publishes the results that are due and starts a new week when the week has turned.
    // Returns the days (1-5, ascending) whose records changed.
    QList<int> advance(const QDateTime& now);

    QDate monday() const { return monday_; }
    // day 1 (Monday) to 5 (Friday)
    const QList<CalendarEvent>& events(int day) const { return days_[day - 1]; }
    // "time#country#indicator#previous#importance#forecast#result" records joined by "|";
    // a result not yet published reads "待公布".
    QString recordsText(int day) const;
    // The day's key events "time#what", each closed by "|" (the client shows every piece
    // before the last "|").
    QString summaryText(int day) const;

    static QDate mondayOf(const QDate& date) { return date.addDays(1 - date.dayOfWeek()); }

private:
    void generate(const QDateTime& now);
    QList<CalendarEvent> generateDay(const QDate& date);
    void addLiveEvents(QList<CalendarEvent>& today, const QDateTime& now);
    CalendarEvent makeEvent(int entry, const QDate& date, const QTime& time);

    quint32 seed_;
    QRandomGenerator random_;
    QDate monday_;
    QList<CalendarEvent> days_[kDays];
    QStringList speeches_[kDays];
};
