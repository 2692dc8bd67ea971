#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1016, the push logon (push channel, client to server, 106 bytes).
struct PushLogonRecord {
    static constexpr int Length = 106;

    QString account;
    QString password;          // plain text
    int32_t highestNewsId = 0; // 0 before the first news flash

    QByteArray build() const;
    static std::optional<PushLogonRecord> parse(QByteArrayView record);
};

} // namespace push
