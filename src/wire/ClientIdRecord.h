#pragma once
#include "wire/MessageId.h"
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace push {

// Record 1001, the client id assignment (identity channel, server to client, 7 bytes or
// more). A six-byte datagram carries no status byte and so never asks to store the id.
struct ClientIdRecord {
    static constexpr int Length = 7;

    uint16_t id = ClientIdAssignment;
    int32_t clientId = 0;
    bool store = false; // status byte '1': keep the id

    bool isAssignment() const;
    QByteArray build() const;
    // Empty for a datagram shorter than six bytes, whatever its id.
    static std::optional<ClientIdRecord> parse(QByteArrayView datagram);
};

} // namespace push
