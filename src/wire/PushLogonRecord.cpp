#include "wire/PushLogonRecord.h"
#include "wire/CredentialsRecord.h"
#include "wire/MessageId.h"

namespace push {

QByteArray PushLogonRecord::build() const {
    return CredentialsRecord{account, password, highestNewsId}.build(Logon, Length);
}

std::optional<PushLogonRecord> PushLogonRecord::parse(QByteArrayView record) {
    const auto c = CredentialsRecord::parse(record, Logon, Length);
    if (!c) return std::nullopt;
    return PushLogonRecord{c->account, c->password, c->number};
}

} // namespace push
