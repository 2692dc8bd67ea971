#include "wire/LoginRequestRecord.h"
#include "wire/CredentialsRecord.h"
#include "wire/MessageId.h"

namespace push {

QByteArray LoginRequestRecord::build() const {
    return CredentialsRecord{account, password, clientId}.build(Login, Length);
}

std::optional<LoginRequestRecord> LoginRequestRecord::parse(QByteArrayView record) {
    const auto c = CredentialsRecord::parse(record, Login, Length);
    if (!c) return std::nullopt;
    return LoginRequestRecord{c->account, c->password, c->number};
}

} // namespace push
