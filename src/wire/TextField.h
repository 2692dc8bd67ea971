#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace push {

// The fixed-width code page 936 text fields of every record.
namespace TextField {

// The field bytes: the text's code page 936 bytes cut to the width and zero-filled to it.
// A double-byte character whose trail byte no longer fits keeps its lead byte; a text that
// fills the field has no terminating zero.
QByteArray encode(const QString& text, int width);

// The text of a field: the bytes before the first zero byte, decoded from code page 936.
// (A zero byte is never part of a double-byte character, so cutting the bytes first gives
// the same text as cutting the decoded text at its first NUL.)
QString decode(QByteArrayView field);

} // namespace TextField
} // namespace push
