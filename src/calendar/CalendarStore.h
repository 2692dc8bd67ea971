#pragma once
#include "calendar/CalendarItem.h"
#include <QString>
#include <vector>

struct AppContext;
class CalendarRecord;
class cls_Config;

// The calendar of the week in the configuration document (FXCalendar): the Monday it
// begins on, and per weekday 1-5 the key-events summary and the events in order of time.
// Days outside 1-5 are never asked for: the document has none, and asking shows an error.
class CalendarStore {
public:
    explicit CalendarStore(AppContext& ctx) : ctx_(ctx) {}

    // A document from before the calendar, or edited by hand, gets the elements and
    // attributes the calendar keeps its week in; those present stay as they are.
    void repair();

    std::vector<CalendarItem> items(int day) const;
    bool hasItems(int day) const;
    QString summary(int day) const;
    void setSummary(int day, const QString& text);
    // "yyyy/mm/dd", empty when nothing is cached.
    QString dateFrom() const;
    void setDateFrom(const QString& text);

    // A new event with the reminder on and no comment.
    void add(int day, const CalendarRecord& record);
    void clearDay(int day);
    void clearWeek();

private:
    // Throws when the program has no configuration document.
    cls_Config& config() const;
    // The attribute, added when missing, and the element too when that is missing.
    void ensure(const QString& parent, const QString& element, const QString& attribute);

    AppContext& ctx_;
};
