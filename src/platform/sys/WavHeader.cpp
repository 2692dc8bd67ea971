#include "platform/sys/WavHeader.h"
#include <QFile>
#include <QtEndian>

namespace plat {

std::optional<qint64> WavHeader::durationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return std::nullopt;

    quint32 byteRate = 0;
    for (;;) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const qint64 next = file.pos() + size + (size & 1); // chunks are padded to even sizes
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(12);
            if (format.size() < 12) return std::nullopt;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) return std::nullopt;
            return static_cast<qint64>(size) * 1000 / byteRate;
        }
        if (!file.seek(next)) return std::nullopt;
    }
}

} // namespace plat
