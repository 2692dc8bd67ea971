#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace push {

// The scrambling of the password in the remember file, done on the code page 936 bytes
// (a scrambled double-byte character need not be a valid one, so a round trip through
// Unicode could lose it). Per character: a double-byte character whose value read as a
// signed 16-bit number is below -6000 moves 5 down (unscrambling: 5 up); single bytes
// 80..126 move 47 down and 33..79 move 47 up (its own inverse); anything else stays.
namespace PasswordScramble {

QByteArray scramble(const QString& password);
QString unscramble(QByteArrayView stored);

} // namespace PasswordScramble
} // namespace push
