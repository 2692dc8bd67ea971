#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace push {

// Builds an outgoing record: a new zero-filled array of the record's exact length with
// the message id in bytes 0-1. Offsets are the record layout's own constants.
class RecordWriter {
public:
    RecordWriter(uint16_t id, int length);

    RecordWriter& text(int offset, int width, const QString& text);
    RecordWriter& int32(int offset, int32_t value);
    RecordWriter& byte(int offset, uint8_t value);
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

} // namespace push
