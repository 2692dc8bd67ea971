#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Record 1015, the login request (login channel, client to server, 107 bytes; the last
// byte stays zero).
struct LoginRequestRecord {
    static constexpr int Length = 107;

    QString account;      // e-mail address or mobile number
    QString password;     // plain text
    int32_t clientId = 0; // 0 when none is known

    QByteArray build() const;
    static std::optional<LoginRequestRecord> parse(QByteArrayView record);
};

} // namespace push
