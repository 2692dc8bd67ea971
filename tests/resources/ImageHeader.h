#pragma once
#include <QByteArray>
#include <QSize>
#include <QtEndian>

// Sizes and kinds of image files, read from their headers.
namespace imageheader {

inline QByteArray kind(const QByteArray& b) {
    if (b.startsWith("\x89PNG\r\n\x1A\n")) return "png";
    if (b.startsWith("GIF89a") || b.startsWith("GIF87a")) return "gif";
    if (b.startsWith("\xFF\xD8\xFF")) return "jpeg";
    return {};
}

// PNG: width and height follow the IHDR chunk's type, big-endian; GIF: the logical screen,
// little-endian.
inline QSize size(const QByteArray& b) {
    const QByteArray k = kind(b);
    if (k == "png" && b.size() >= 24 && b.mid(12, 4) == "IHDR") {
        return QSize(qFromBigEndian<qint32>(b.constData() + 16), qFromBigEndian<qint32>(b.constData() + 20));
    }
    if (k == "gif" && b.size() >= 10) {
        return QSize(qFromLittleEndian<quint16>(b.constData() + 6), qFromLittleEndian<quint16>(b.constData() + 8));
    }
    return {};
}

} // namespace imageheader
