#pragma once
#include "config/ConfigNode.h"
#include <QString>

// One stored event: an Item of a day in the calendar store. Reading and changing it reads
// and changes the configuration document.
class CalendarItem {
public:
    explicit CalendarItem(ConfigNode node) : node_(std::move(node)) {}

    // The release time: only its first five characters, "HH:MM", count.
    QString time() const { return timeAttribute().left(5); }
    QString timeAttribute() const { return node_.attribute(QStringLiteral("Time")); }
    QString name() const { return node_.text(); }
    // "1" remind me, "0" no reminder, "2" already reminded.
    QString notify() const { return node_.attribute(QStringLiteral("Notify")); }
    QString previous() const { return node_.attribute(QStringLiteral("BeforeValue")); }
    QString forecast() const { return node_.attribute(QStringLiteral("PredictValue")); }
    // Empty until published, "?" while awaited.
    QString result() const { return node_.attribute(QStringLiteral("Result")); }
    QString importance() const { return node_.attribute(QStringLiteral("Importance")); }
    QString comment() const { return node_.attribute(QStringLiteral("Comment")); }

    void setTime(const QString& v) { node_.putAttribute(QStringLiteral("Time"), v); }
    void setNotify(const QString& v) { node_.putAttribute(QStringLiteral("Notify"), v); }
    void setPrevious(const QString& v) { node_.putAttribute(QStringLiteral("BeforeValue"), v); }
    void setForecast(const QString& v) { node_.putAttribute(QStringLiteral("PredictValue"), v); }
    void setResult(const QString& v) { node_.putAttribute(QStringLiteral("Result"), v); }

private:
    ConfigNode node_;
};
