#pragma once
#include <QByteArray>
#include <QtEndian>

// A PCM WAVE file of 8000 bytes a second (8 kHz, mono, 8 bits) holding dataBytes of silence;
// with oddChunk, an odd-sized chunk before the data that a reader must skip with its pad byte.
inline QByteArray silentWave(quint32 dataBytes, bool oddChunk = false) {
    const auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    const QByteArray fmt =
        QByteArray("\x01\x00\x01\x00", 4) + le32(8000) + le32(8000) + QByteArray("\x01\x00\x08\x00", 4);
    const QByteArray extra = oddChunk ? QByteArray("LIST") + le32(3) + QByteArray("abc\0", 4) : QByteArray();
    const QByteArray body = QByteArray("WAVE") + "fmt " + le32(fmt.size()) + fmt + extra + "data" + le32(dataBytes) +
                            QByteArray(static_cast<qsizetype>(dataBytes), '\x80');
    return QByteArray("RIFF") + le32(body.size()) + body;
}
