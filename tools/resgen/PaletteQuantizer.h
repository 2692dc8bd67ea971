#pragma once
#include <QList>
#include <QRgb>

// Chooses an indexed palette for opaque colours by median cut: exact when the colours fit,
// otherwise the weighted mean of each box after repeatedly halving the widest box.
class PaletteQuantizer {
public:
    // colours: every opaque pixel's colour (repeats give weight).
    static QList<QRgb> palette(const QList<QRgb>& colours, int maxColours);
    static int nearest(const QList<QRgb>& palette, QRgb colour);
};
