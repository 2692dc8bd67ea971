#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// The layout that the login request and the push logon share: account and plain
// password in 50-byte text fields, then a 32-bit number at offset 102.
struct CredentialsRecord {
    QString account;
    QString password;
    int32_t number = 0;

    QByteArray build(uint16_t id, int length) const;
    // Empty unless the bytes hold a whole record of that id and length.
    static std::optional<CredentialsRecord> parse(QByteArrayView record, uint16_t id, int length);
};

} // namespace push
