#pragma once
#include <QDate>
#include <QString>
#include <cstdint>

// What the week view, the download and the reminder engine share of the main window.
struct CalendarState {
    QDate WeekStart;             // Monday of the week set up
    int16_t SelectedDay = 0;     // weekday tab shown, 1-5; 0 before the first selection
    bool CalendarLoaded = false; // all five days of the week are in the store
    QString AwaitedResultTime;   // "HH:MM" of the events whose results are awaited
    int16_t TodayMark = 0;       // weekday whose tab carries the "today" mark
    int16_t NextIndex = 0;       // today's first event not yet past, as the scanner left it
};
