#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace push {

// Record 1021, the heartbeat answer (push, client to server, 6 bytes).
struct HeartbeatAnswerRecord {
    static constexpr int Length = 6;

    int32_t highestNewsId = 0;

    QByteArray build() const;
    static std::optional<HeartbeatAnswerRecord> parse(QByteArrayView record);
};

} // namespace push
