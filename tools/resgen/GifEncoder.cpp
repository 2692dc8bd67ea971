#include "GifEncoder.h"
#include "LzwEncoder.h"
#include "PaletteQuantizer.h"
#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <stdexcept>

namespace {

constexpr int kOpaqueFrom = 96; // alpha at and above which a pixel is drawn
constexpr int kMaxBlockSize = 255;

void putWord(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

QRgb blend(QRgb c, QRgb matte) {
    const int a = qAlpha(c);
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    return qRgb(mix(qRed(c), qRed(matte)), mix(qGreen(c), qGreen(matte)), mix(qBlue(c), qBlue(matte)));
}

int tableBits(int entries) {
    int bits = 1;
    while ((1 << bits) < entries) ++bits;
    return bits;
}

bool hasTransparency(const QList<QImage>& frames) {
    for (const QImage& f : frames) {
        for (int y = 0; y < f.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                if (qAlpha(line[x]) == 0) return true;
            }
        }
    }
    return false;
}

QList<QRgb> opaquePixels(const QList<QImage>& frames) {
    QList<QRgb> colours;
    for (const QImage& f : frames) {
        for (int y = 0; y < f.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(f.constScanLine(y));
            for (int x = 0; x < f.width(); ++x) {
                if (qAlpha(line[x]) != 0) colours.append(line[x]);
            }
        }
    }
    return colours;
}

QByteArray indices(const QImage& frame, const QList<QRgb>& palette, int transparentIndex) {
    QHash<QRgb, int> cache;
    QByteArray out;
    out.reserve(frame.width() * frame.height());
    for (int y = 0; y < frame.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x) {
            int index = transparentIndex;
            if (qAlpha(line[x]) != 0) {
                auto hit = cache.find(line[x]);
                if (hit == cache.end()) hit = cache.insert(line[x], PaletteQuantizer::nearest(palette, line[x]));
                index = hit.value();
            }
            out.append(static_cast<char>(index));
        }
    }
    return out;
}

void putSubBlocks(QByteArray& out, const QByteArray& data) {
    for (qsizetype at = 0; at < data.size(); at += kMaxBlockSize) {
        const QByteArray block = data.mid(at, kMaxBlockSize);
        out.append(static_cast<char>(block.size()));
        out.append(block);
    }
    out.append('\0');
}

void putLoopExtension(QByteArray& out) {
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    putWord(out, 0); // loop for ever
    out.append('\0');
}

void putFrame(QByteArray& out, const QByteArray& frameIndices, const QSize& size, int minCodeSize, int transparentIndex,
              int delayCs, bool animated) {
    const int disposal = animated ? 2 : 1; // animations clear each frame before the next
    out.append("\x21\xF9\x04", 3);
    out.append(static_cast<char>((disposal << 2) | (transparentIndex >= 0 ? 1 : 0)));
    putWord(out, animated ? delayCs : 0);
    out.append(static_cast<char>(std::max(transparentIndex, 0)));
    out.append('\0');
    out.append('\x2C');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, size.width());
    putWord(out, size.height());
    out.append('\0'); // no local colour table, not interlaced
    out.append(static_cast<char>(minCodeSize));
    putSubBlocks(out, LzwEncoder::encode(frameIndices, minCodeSize));
}

QImage flatten(const QImage& frame, QRgb matte) {
    QImage f = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < f.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(f.scanLine(y));
        for (int x = 0; x < f.width(); ++x) {
            line[x] = qAlpha(line[x]) < kOpaqueFrom ? 0u : blend(line[x], matte);
        }
    }
    return f;
}

} // namespace

GifEncoder::Indexed GifEncoder::index(const QList<QImage>& frames, const QColor& matte) {
    QList<QImage> flat;
    for (const QImage& frame : frames) flat.append(flatten(frame, matte.rgb()));
    Indexed result;
    const bool transparent = hasTransparency(flat);
    result.palette = PaletteQuantizer::palette(opaquePixels(flat), transparent ? 255 : 256);
    result.transparentIndex = transparent ? static_cast<int>(result.palette.size()) : -1;
    for (const QImage& f : flat) result.frames.append(indices(f, result.palette, result.transparentIndex));
    result.size = flat.first().size();
    return result;
}

QByteArray GifEncoder::encode(const QImage& image, const QColor& matte) {
    return encode(QList<QImage>{image}, matte, 0);
}

QByteArray GifEncoder::encode(const QList<QImage>& frames, const QColor& matte, int delayCs) {
    const Indexed indexed = index(frames, matte);
    const int used = static_cast<int>(indexed.palette.size()) + (indexed.transparentIndex >= 0 ? 1 : 0);
    const int bits = tableBits(used);

    QByteArray out("GIF89a");
    putWord(out, indexed.size.width());
    putWord(out, indexed.size.height());
    out.append(static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1)));
    out.append('\0'); // background colour index
    out.append('\0'); // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < indexed.palette.size() ? indexed.palette[i] : matte.rgb();
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    const bool animated = indexed.frames.size() > 1;
    if (animated) putLoopExtension(out);
    for (const QByteArray& f : indexed.frames) {
        putFrame(out, f, indexed.size, std::max(bits, 2), indexed.transparentIndex, delayCs, animated);
    }
    out.append('\x3B');
    return out;
}

void GifEncoder::verify(const QByteArray& gif, const QList<QImage>& frames, const QColor& matte) {
    const Indexed indexed = index(frames, matte);
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    for (const QByteArray& expected : indexed.frames) {
        const QImage got = reader.read().convertToFormat(QImage::Format_ARGB32);
        if (got.size() != indexed.size) throw std::runtime_error("GIF frame size differs");
        for (int i = 0; i < expected.size(); ++i) {
            const int at = static_cast<uint8_t>(expected[i]);
            const QRgb want = at == indexed.transparentIndex ? 0u : indexed.palette[at];
            const QRgb pixel = got.pixel(i % got.width(), i / got.width());
            if ((qAlpha(pixel) == 0 && want == 0u) || pixel == want) continue;
            throw std::runtime_error("GIF pixel differs after decoding");
        }
    }
}
