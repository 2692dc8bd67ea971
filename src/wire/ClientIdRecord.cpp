#include "wire/ClientIdRecord.h"
#include "wire/MessageId.h"
#include "wire/RecordReader.h"
#include "wire/RecordWriter.h"

namespace push {

namespace {
enum { ClientId = 2, Status = 6 };
constexpr uint8_t StoreStatus = '1', KeepStatus = '0';
} // namespace

bool ClientIdRecord::isAssignment() const { return id == ClientIdAssignment; }

QByteArray ClientIdRecord::build() const {
    return RecordWriter(id, Length).int32(ClientId, clientId).byte(Status, store ? StoreStatus : KeepStatus).bytes();
}

std::optional<ClientIdRecord> ClientIdRecord::parse(QByteArrayView datagram) {
    const RecordReader r(datagram);
    if (!r.holds(6)) return std::nullopt;
    return ClientIdRecord{static_cast<uint16_t>(r.id()), r.int32(ClientId), r.byte(Status) == StoreStatus};
}

} // namespace push
