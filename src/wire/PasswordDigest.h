#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>

namespace push {

// The MD5 message digest (RFC 1321) of the password, for the vote pages' login address.
namespace PasswordDigest {

std::array<uint8_t, 16> md5(QByteArrayView message);
// 32 lower-case hex digits of the MD5 of the password's code page 936 bytes (one byte per
// ASCII character; a Chinese character gives its two bytes).
QString digest(const QString& password);

} // namespace PasswordDigest
} // namespace push
