#include "wire/RecordReader.h"
#include "wire/TextField.h"
#include <algorithm>

namespace push {

int RecordReader::idOf(QByteArrayView bytes) {
    if (bytes.size() < 2) return -1;
    return static_cast<uint8_t>(bytes[1]) * 256 + static_cast<uint8_t>(bytes[0]);
}

int32_t RecordReader::int32(int offset) const {
    if (offset < 0 || bytes_.size() < offset + 4) return 0;
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes_[offset + i]);
    return static_cast<int32_t>(v);
}

std::optional<uint8_t> RecordReader::byte(int offset) const {
    if (offset < 0 || offset >= bytes_.size()) return std::nullopt;
    return static_cast<uint8_t>(bytes_[offset]);
}

QString RecordReader::text(int offset, int width) const {
    if (offset < 0 || offset >= bytes_.size()) return {};
    const qsizetype available = std::min<qsizetype>(width, bytes_.size() - offset);
    return TextField::decode(bytes_.sliced(offset, available));
}

} // namespace push
