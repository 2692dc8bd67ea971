#pragma once
#include "wire/MessageId.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1015, the login reply (login channel, server to client, 55 bytes or more).
// Every datagram of three bytes or more parses, whatever its id: the dialog takes the
// nickname from each of them and acts on the result only when the id is 1015.
struct LoginReplyRecord {
    static constexpr int Length = 55;
    enum Result : uint8_t { Success = '1', WrongPassword = '2', NotActivated = '3', NoAccount = '4' };

    uint16_t id = Login;
    uint8_t result = 0;
    QString nickname;                   // empty when the field holds only zero bytes
    std::optional<uint8_t> accountFlag; // absent from a datagram shorter than 55 bytes

    bool isLoginReply() const;
    QByteArray build() const;
    // Empty for a datagram shorter than three bytes.
    static std::optional<LoginReplyRecord> parse(QByteArrayView datagram);
};

} // namespace push
