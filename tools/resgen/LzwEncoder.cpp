#include "LzwEncoder.h"
#include <cstdint>
#include <unordered_map>

namespace {

constexpr int kMaxCodes = 4096;

// Packs codes least significant bit first, as GIF wants them.
class BitPacker {
public:
    void put(int code, int bits) {
        acc_ |= static_cast<uint32_t>(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            out_.append(static_cast<char>(acc_ & 0xFF));
            acc_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish() {
        if (count_ > 0) out_.append(static_cast<char>(acc_ & 0xFF));
        return out_;
    }

private:
    QByteArray out_;
    uint32_t acc_ = 0;
    int count_ = 0;
};

} // namespace

QByteArray LzwEncoder::encode(const QByteArray& indices, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    BitPacker bits;
    std::unordered_map<uint32_t, int> table;
    int next = end + 1;
    int codeSize = minCodeSize + 1;
    bits.put(clear, codeSize);
    if (indices.isEmpty()) {
        bits.put(end, codeSize);
        return bits.finish();
    }
    int prefix = static_cast<uint8_t>(indices[0]);
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const uint8_t k = static_cast<uint8_t>(indices[i]);
        const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | k;
        if (auto hit = table.find(key); hit != table.end()) {
            prefix = hit->second;
            continue;
        }
        bits.put(prefix, codeSize);
        if (next < kMaxCodes) {
            table.emplace(key, next++);
            // The decoder widens its codes one entry later than it adds them.
            if (next > (1 << codeSize) && codeSize < 12) ++codeSize;
        } else {
            bits.put(clear, codeSize);
            table.clear();
            next = end + 1;
            codeSize = minCodeSize + 1;
        }
        prefix = k;
    }
    bits.put(prefix, codeSize);
    bits.put(end, codeSize);
    return bits.finish();
}
