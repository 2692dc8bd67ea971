#include "ClientRecordCutter.h"
#include "wire/FeedbackRecord.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/MessageId.h"
#include "wire/PushLogonRecord.h"
#include "wire/RecordReader.h"

namespace {

int lengthOf(int id) {
    switch (id) {
    case push::Logon:
        return push::PushLogonRecord::Length;
    case push::Heartbeat:
        return push::HeartbeatAnswerRecord::Length;
    case push::Feedback:
        return push::FeedbackRecord::Length;
    default:
        return 0;
    }
}

} // namespace

QList<QByteArray> ClientRecordCutter::feed(const QByteArray& bytes) {
    pending_ += bytes;
    QList<QByteArray> records;
    while (pending_.size() >= 2) {
        const int length = lengthOf(push::RecordReader::idOf(pending_));
        if (length == 0) {
            dropped_ += pending_.size();
            pending_.clear();
            break;
        }
        if (pending_.size() < length) break;
        records.append(pending_.left(length));
        pending_.remove(0, length);
    }
    return records;
}
