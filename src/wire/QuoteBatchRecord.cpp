#include "wire/QuoteBatchRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum { TextOffset = 2, TextWidth = 510 };
}

QByteArray QuoteBatchRecord::build() const {
    return RecordWriter(QuoteBatch, Length).text(TextOffset, TextWidth, text).bytes();
}

std::optional<QuoteBatchRecord> QuoteBatchRecord::parse(QByteArrayView record) {
    const RecordReader r(record);
    if (r.id() != QuoteBatch || !r.holds(Length)) return std::nullopt;
    return QuoteBatchRecord{r.text(TextOffset, TextWidth)};
}

} // namespace push
