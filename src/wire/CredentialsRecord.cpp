#include "wire/CredentialsRecord.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum { Account = 2, Password = 52, Number = 102, TextWidth = 50 };
}

QByteArray CredentialsRecord::build(uint16_t id, int length) const {
    return RecordWriter(id, length)
        .text(Account, TextWidth, account)
        .text(Password, TextWidth, password)
        .int32(Number, number)
        .bytes();
}

std::optional<CredentialsRecord> CredentialsRecord::parse(QByteArrayView record, uint16_t id, int length) {
    const RecordReader r(record);
    if (r.id() != id || !r.holds(length)) return std::nullopt;
    return CredentialsRecord{r.text(Account, TextWidth), r.text(Password, TextWidth), r.int32(Number)};
}

} // namespace push
