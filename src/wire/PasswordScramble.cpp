#include "wire/PasswordScramble.h"
#include "base/Cp936.h"

namespace push::PasswordScramble {

namespace {

bool isLeadByte(uint8_t b) { return b >= 0x81 && b <= 0xFE; }

uint8_t shiftSingle(uint8_t b) {
    if (b >= 80 && b <= 126) return b - 47;
    if (b >= 33 && b <= 79) return b + 47;
    return b;
}

// Moves the double-byte characters below -6000 by 'shift'; single bytes by the swap above.
QByteArray shiftBytes(QByteArrayView in, int shift) {
    QByteArray out(in.size(), '\0');
    for (qsizetype i = 0; i < in.size(); ++i) {
        const auto b = static_cast<uint8_t>(in[i]);
        if (!isLeadByte(b) || i + 1 == in.size()) {
            out[i] = static_cast<char>(shiftSingle(b));
            continue;
        }
        auto value = static_cast<uint16_t>(b << 8 | static_cast<uint8_t>(in[i + 1]));
        if (static_cast<int16_t>(value) < -6000) value = static_cast<uint16_t>(value + shift);
        out[i] = static_cast<char>(value >> 8);
        out[++i] = static_cast<char>(value & 0xFF);
    }
    return out;
}

} // namespace

QByteArray scramble(const QString& password) { return shiftBytes(cp936::encode(password), -5); }

QString unscramble(QByteArrayView stored) { return cp936::decode(shiftBytes(stored, 5)); }

} // namespace push::PasswordScramble
