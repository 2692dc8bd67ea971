#pragma once
#include <QDateTime>
#include <QString>

// One economic-data release of the week.
struct CalendarEvent {
    QTime time; // release time, local
    QString country;
    QString indicator;
    QString importance; // "低", "中" or "高"
    QString previous;
    QString forecast;    // "---" when the market has none
    QString actual;      // the value that will be published
    QDateTime releaseAt; // when the result is published (a little after the time)
    bool published = false;
};
