#include "wire/HeartbeatAnswerRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum { NewsId = 2 };
}

QByteArray HeartbeatAnswerRecord::build() const {
    return RecordWriter(Heartbeat, Length).int32(NewsId, highestNewsId).bytes();
}

std::optional<HeartbeatAnswerRecord> HeartbeatAnswerRecord::parse(QByteArrayView record) {
    const RecordReader r(record);
    if (r.id() != Heartbeat || !r.holds(Length)) return std::nullopt;
    return HeartbeatAnswerRecord{r.int32(NewsId)};
}

} // namespace push
