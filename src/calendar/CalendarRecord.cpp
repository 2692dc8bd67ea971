#include "calendar/CalendarRecord.h"
#include "base/VbText.h"

namespace {

const QString None = QStringLiteral("---");
const QString NotPublished = QStringLiteral("待公布");

QString withoutCredit(QString text) {
    for (const char* credit : {"讯源网", "出品", "fxsrc"}) text.remove(QString::fromUtf8(credit));
    return text;
}

} // namespace

CalendarRecord::CalendarRecord(const QString& text) : text_(text) {
    for (const QString& f : text.split(u'#')) fields_.append(vb::Trim(f));
}

QList<CalendarRecord> CalendarRecord::split(const QString& records) {
    QList<CalendarRecord> out;
    for (const QString& r : records.split(u'|')) out.append(CalendarRecord(r));
    return out;
}

bool CalendarRecord::hasReleaseTime() const { return vb::Val(time()) > 0 && !time().startsWith(u'-'); }

QString CalendarRecord::storedPrevious() const { return withoutCredit(previous()); }

QString CalendarRecord::storedForecast() const { return withoutCredit(forecast()).remove(None); }

QString CalendarRecord::storedResult() const { return withoutCredit(result()).remove(NotPublished).remove(None); }

QString CalendarRecord::refreshedForecast() const { return forecast().remove(None); }

QString CalendarRecord::refreshedResult() const { return result().remove(NotPublished).remove(None); }
