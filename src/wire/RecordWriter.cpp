#include "wire/RecordWriter.h"
#include "wire/TextField.h"

namespace push {

RecordWriter::RecordWriter(uint16_t id, int length) : bytes_(length, '\0') {
    byte(0, static_cast<uint8_t>(id & 0xFF));
    byte(1, static_cast<uint8_t>(id >> 8));
}

RecordWriter& RecordWriter::text(int offset, int width, const QString& text) {
    bytes_.replace(offset, width, TextField::encode(text, width));
    return *this;
}

RecordWriter& RecordWriter::int32(int offset, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) byte(offset + i, static_cast<uint8_t>(v >> (8 * i)));
    return *this;
}

RecordWriter& RecordWriter::byte(int offset, uint8_t value) {
    bytes_[offset] = static_cast<char>(value);
    return *this;
}

} // namespace push
