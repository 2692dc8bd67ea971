#pragma once
#include <QImage>
#include <QPainter>

// The product's mark (a "Q" ring broken by a rising gold chart line) and the pictures built
// around it: application icons, the header logo, the popup caption and the dialog backgrounds.
class BrandArt {
public:
    static QImage appIcon(int size);
    static QImage logo();
    static QImage popupCaption();
    static QImage dialogBackground(int width, int height);

private:
    // The mark on a rounded tile from tileTop to tileBottom, the ring in ring.
    static void mark(QPainter& p, const QRectF& box, const QColor& tileTop, const QColor& tileBottom,
                     const QColor& ring);
    static void chartLine(QPainter& p, const QRectF& box, const QColor& c, double pen);
};
