#include "wire/CalendarDayRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum Offset { Day = 2, Records = 3, Summary = 5124 };
enum Width { RecordsWidth = 5120, SummaryWidth = CalendarDayRecord::Length - Summary };

// Text plus the characters the reader drops; an empty text stays empty both ways.
QString withTrailer(const QString& text, const QString& trailer) { return text.isEmpty() ? text : text + trailer; }
QString withoutTrailer(QString text, int trailerLength) {
    if (text.size() > trailerLength) text.chop(trailerLength);
    return text;
}
} // namespace

QByteArray CalendarDayRecord::build() const {
    return RecordWriter(CalendarDay, Length)
        .byte(Day, dayCode)
        .text(Records, RecordsWidth, withTrailer(records, QStringLiteral("\r\n")))
        .text(Summary, SummaryWidth, withTrailer(summary, QStringLiteral("\n")))
        .bytes();
}

std::optional<CalendarDayRecord> CalendarDayRecord::parse(QByteArrayView record) {
    const RecordReader r(record);
    if (r.id() != CalendarDay || !r.holds(Length)) return std::nullopt;
    CalendarDayRecord day;
    day.dayCode = *r.byte(Day);
    day.records = withoutTrailer(r.text(Records, RecordsWidth), 2);
    day.summary = withoutTrailer(r.text(Summary, SummaryWidth), 1);
    return day;
}

} // namespace push
