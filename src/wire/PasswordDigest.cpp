#include "wire/PasswordDigest.h"
#include "base/Cp936.h"

namespace push::PasswordDigest {

namespace {

using Block = std::array<uint32_t, 16>;

// T[i] = floor(2^32 * |sin(i + 1)|), the RFC's table.
constexpr std::array<uint32_t, 64> T = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
// Shift amounts, four per round.
constexpr std::array<int, 16> S = {7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21};

uint32_t rotl(uint32_t x, int n) { return x << n | x >> (32 - n); }

// One 64-byte block: four rounds of sixteen operations.
void transform(std::array<uint32_t, 4>& state, const Block& x) {
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        const int round = i / 16;
        uint32_t f;
        int k;
        switch (round) { // the RFC's F, G, H, I and the order each round reads the words
        case 0:
            f = (b & c) | (~b & d);
            k = i;
            break;
        case 1:
            f = (b & d) | (c & ~d);
            k = (5 * i + 1) % 16;
            break;
        case 2:
            f = b ^ c ^ d;
            k = (3 * i + 5) % 16;
            break;
        default:
            f = c ^ (b | ~d);
            k = (7 * i) % 16;
            break;
        }
        const uint32_t next = b + rotl(a + f + x[k] + T[i], S[round * 4 + i % 4]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

Block decode(const uint8_t* bytes) {
    Block x{};
    for (int i = 0; i < 64; ++i) x[i / 4] |= uint32_t{bytes[i]} << (8 * (i % 4));
    return x;
}

// The message, a 1 bit, zero bits to 56 mod 64 bytes, and the length in bits (64-bit LE).
QByteArray padded(QByteArrayView message) {
    QByteArray p(message.data(), message.size());
    p.append('\x80');
    while (p.size() % 64 != 56) p.append('\0');
    const uint64_t bits = static_cast<uint64_t>(message.size()) * 8;
    for (int i = 0; i < 8; ++i) p.append(static_cast<char>(bits >> (8 * i)));
    return p;
}

} // namespace

std::array<uint8_t, 16> md5(QByteArrayView message) {
    std::array<uint32_t, 4> state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    const QByteArray p = padded(message);
    const auto* bytes = reinterpret_cast<const uint8_t*>(p.constData());
    for (qsizetype off = 0; off < p.size(); off += 64) transform(state, decode(bytes + off));
    std::array<uint8_t, 16> out{};
    for (int i = 0; i < 16; ++i) out[i] = static_cast<uint8_t>(state[i / 4] >> (8 * (i % 4)));
    return out;
}

QString digest(const QString& password) {
    const std::array<uint8_t, 16> d = md5(cp936::encode(password));
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(d.data()), static_cast<qsizetype>(d.size())).toHex());
}

} // namespace push::PasswordDigest
