#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

// Common ground of all pictures: blank images, anti-aliased painters and the Chinese font.
class Canvas {
public:
    // Loads the font file; false when it is missing (fonts-wqy-microhei).
    static bool loadFont();
    static QImage blank(int width, int height, const QColor& fill = Qt::transparent);
    static void prepare(QPainter& p);
    static QFont font(int pixelSize, bool bold = false);
    static void text(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
                     int align = Qt::AlignCenter);
    // A vertical two-colour gradient brush over box.
    static QBrush vertical(const QRectF& box, const QColor& top, const QColor& bottom);
};
