#pragma once
#include <QString>

class CalendarItem;

// The texts that announce events: the reminder before a release, the notice of its
// result after it, and the reminder's popup markup.
class ReminderText {
public:
    // Lines of a reminder text, and of a result notice, are joined by this.
    static const QString LineBreak;

    // "HH:MM", two blanks, then the name with its previous value, forecast and importance
    // in brackets, when it has any of them.
    static QString line(const CalendarItem& item);
    // The name with its previous value, forecast and result in brackets; empty when it has
    // none of them.
    static QString resultLine(const CalendarItem& item);
    // The popup's markup of a reminder text: the warning icon, the title and the lines
    // separated by dashed rules.
    static QString popupHtml(const QString& text);
};
