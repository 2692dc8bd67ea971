#pragma once
#include <QByteArray>
#include <QString>

// Code page 936 (GBK), the simplified-Chinese code page of the vendor's records, the
// remember file and the GB2312 pages, through glibc's iconv.
namespace cp936 {

// Bytes that cannot be decoded become U+FFFD; decoding never fails.
QString decode(const QByteArray& bytes);
// Characters that the code page lacks become "?".
QByteArray encode(const QString& text);
// The bytes of one character (a UTF-16 surrogate pair counts as one): one byte for ASCII,
// two for double-byte characters, "?" when unmappable.
QByteArray encodeChar(char32_t ch);

} // namespace cp936
