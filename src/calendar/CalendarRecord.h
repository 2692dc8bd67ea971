#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// One event of a pushed calendar day: "#"-separated fields, each trimmed of blanks:
// time, country, indicator, previous value, importance, forecast, result. Every text comes
// off the network as it is; fields beyond the end of a short record read empty.
class CalendarRecord {
public:
    explicit CalendarRecord(const QString& text);
    // The day's records text, cut at "|".
    static QList<CalendarRecord> split(const QString& records);

    // A release time: its leading number is above 0 (a record timed half past midnight
    // has none) and it does not begin with "-".
    bool hasReleaseTime() const;
    // The first fill stores a record with all seven fields and a release time.
    bool storable() const { return fields_.size() >= 7 && hasReleaseTime(); }
    // The refresh counts every record that is not empty and has a release time.
    bool counted() const { return !text_.isEmpty() && hasReleaseTime(); }
    bool complete() const { return fields_.size() >= 7; }

    QString time() const { return field(0); }
    // Country and indicator joined.
    QString name() const { return field(1) + field(2); }
    QString previous() const { return field(3); }
    QString importance() const { return field(4); }
    QString forecast() const { return field(5); }
    QString result() const { return field(6); }

    // As the first fill stores them: without the data provider's credit, its "none" and
    // its "not yet published".
    QString storedPrevious() const;
    QString storedForecast() const;
    QString storedResult() const;
    // As the refresh compares them with the store.
    QString refreshedForecast() const;
    QString refreshedResult() const;

private:
    QString field(int i) const { return i < fields_.size() ? fields_[i] : QString(); }

    QString text_;
    QStringList fields_;
};
