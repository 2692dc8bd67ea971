#pragma once
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>

namespace push {

// Bounds-checked reads from a received record: nothing is ever read past its bytes.
class RecordReader {
public:
    explicit RecordReader(QByteArrayView bytes) : bytes_(bytes) {}

    // The message id of the bytes, -1 when there are fewer than two.
    static int idOf(QByteArrayView bytes);

    int id() const { return idOf(bytes_); }
    bool holds(int length) const { return bytes_.size() >= length; }
    // A 32-bit little-endian integer; 0 when its four bytes are not all there.
    int32_t int32(int offset) const;
    std::optional<uint8_t> byte(int offset) const;
    // A text field, cut to the bytes that are there.
    QString text(int offset, int width) const;

private:
    QByteArrayView bytes_;
};

} // namespace push
