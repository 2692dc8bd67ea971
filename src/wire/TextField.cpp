#include "wire/TextField.h"
#include "base/Cp936.h"
#include <cstring>

namespace push::TextField {

QByteArray encode(const QString& text, int width) {
    QByteArray field = cp936::encode(text);
    field.truncate(width);
    field.append(width - field.size(), '\0');
    return field;
}

namespace {
bool isAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
} // namespace

QString decode(QByteArrayView field) {
    if (field.isEmpty()) return {};
    const void* nul = std::memchr(field.data(), 0, static_cast<size_t>(field.size()));
    if (nul) field = field.first(static_cast<const char*>(nul) - field.data());
    // Quote lists, times and most account names are plain ASCII: skip the converter.
    if (isAscii(field)) return QString::fromLatin1(field);
    return cp936::decode(QByteArray::fromRawData(field.data(), field.size()));
}

} // namespace push::TextField
