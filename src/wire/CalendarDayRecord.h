#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1019, one calendar day (push, server to client, 8192 bytes).
// The reader drops the last two characters of the records text and the last character of
// the summary; the builder writes a line end in their place, so that what is built is
// what is read back.
struct CalendarDayRecord {
    static constexpr int Length = 8192;

    uint8_t dayCode = 0; // '1' Monday to '5' Friday
    QString records;     // "|"-separated records of "#"-separated fields
    QString summary;     // the day's key events

    QByteArray build() const;
    // Empty unless the bytes hold a whole record of this id.
    static std::optional<CalendarDayRecord> parse(QByteArrayView record);
};

} // namespace push
