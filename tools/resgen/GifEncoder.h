#pragma once
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>

// Writes GIF89a files, still or looping animations, from ARGB images. Qt reads GIF but
// cannot write it.
//
// GIF transparency is all or nothing, so a pixel that is mostly transparent becomes
// transparent and the others are blended over the matte, the colour the picture will be
// shown on, which keeps anti-aliased edges smooth there.
class GifEncoder {
public:
    static QByteArray encode(const QImage& image, const QColor& matte);
    // frames: all of one size; delay between frames in hundredths of a second.
    static QByteArray encode(const QList<QImage>& frames, const QColor& matte, int delayCs);
    // Decodes the result with Qt's own reader and compares it with the flattened frames;
    // throws std::runtime_error on any difference.
    static void verify(const QByteArray& gif, const QList<QImage>& frames, const QColor& matte);

private:
    // The frames as palette indices; the transparent index, when used, follows the palette.
    struct Indexed {
        QList<QRgb> palette;
        int transparentIndex = -1;
        QList<QByteArray> frames;
        QSize size;
    };
    static Indexed index(const QList<QImage>& frames, const QColor& matte);
};
