#pragma once
#include <QString>

class CalendarItem;

// The markup of the calendar pane: the cells of an event's row, its reminder control and
// the key-events box. The texts of events come off the network: they go in escaped, so
// that they show as the same text and never become markup; only the program's own
// markup is markup.
class CalendarMarkup {
public:
    // The reminder control of an event, by how its day and time stand to now.
    enum class Control {
        FutureDay,   // a check box
        TodayLater,  // a check box, disabled once reminded
        TodayPassed, // a disabled radio button
        PastDay,     // a disabled radio button (past days and the weekend)
    };
    // offset: today's weekday less the event's (1 on a weekend); times "HH:MM".
    static Control controlFor(int offset, const QString& time, const QString& now);
    static QString control(Control kind, int day, int index, const QString& notify);

    // The event's name with its previous value, forecast, result (or the awaited marker)
    // and comment.
    static QString description(const CalendarItem& item);
    static QString importance(const QString& level);
    // The marker of a result that is due and awaited.
    static QString awaitedMarker();
    // The key events of a day: every piece of the summary before its last "|", from its
    // time on.
    static QString keyEvents(const QString& summary);
};
