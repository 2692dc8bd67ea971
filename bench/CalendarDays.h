#pragma once
// A busy week of the economic calendar as the push server sends it: five day records of 40
// events each, every event with its values.
#include "wire/CalendarDayRecord.h"
#include <QStringList>

namespace calendarbench {

constexpr int EventsPerDay = 40;

inline QByteArray dayRecord(int day) {
    QStringList records;
    for (int i = 0; i < EventsPerDay; ++i) {
        const QString time =
            QStringLiteral("%1:%2").arg(8 + i / 4, 2, 10, QChar('0')).arg(i % 4 * 15, 2, 10, QChar('0'));
        records << QStringLiteral("%1#美国#第%2项经济指标月率#%3.1%#高#%3.2%#待公布").arg(time).arg(i).arg(i % 9);
    }
    const QString summary = QStringLiteral("21:30#美国#非农就业|22:00#美联储主席讲话|");
    return push::CalendarDayRecord{uint8_t('0' + day), records.join(u'|'), summary}.build();
}

inline QByteArray week() {
    QByteArray bytes;
    for (int day = 1; day <= 5; ++day) bytes += dayRecord(day);
    return bytes;
}

} // namespace calendarbench
