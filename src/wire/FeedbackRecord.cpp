#include "wire/FeedbackRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum Offset { Account = 2, Text = 52 };
enum Width { AccountWidth = 50, TextWidth = 1000 };
} // namespace

QByteArray FeedbackRecord::build() const {
    return RecordWriter(Feedback, Length).text(Account, AccountWidth, account).text(Text, TextWidth, text).bytes();
}

std::optional<FeedbackRecord> FeedbackRecord::parse(QByteArrayView record) {
    const RecordReader r(record);
    if (r.id() != Feedback || !r.holds(Length)) return std::nullopt;
    return FeedbackRecord{r.text(Account, AccountWidth), r.text(Text, TextWidth)};
}

} // namespace push
