#include "ButtonArt.h"
#include "Brand.h"
#include "Canvas.h"
#include "GlyphArt.h"

namespace {

constexpr double kRadius = 4;

QColor labelColour(ButtonArt::Kind kind) {
    return kind == ButtonArt::Kind::Primary ? QColor(Qt::white) : brand::header;
}

} // namespace

void ButtonArt::face(QPainter& p, const QRectF& box, Kind kind, bool hover) {
    if (kind == Kind::Primary) {
        p.setPen(QPen(brand::header, 1));
        p.setBrush(hover ? Canvas::vertical(box, QColor(0x45, 0xa3, 0xf3), QColor(0x0a, 0x7a, 0xdc))
                         : Canvas::vertical(box, QColor(0x1f, 0x8b, 0xea), QColor(0x00, 0x63, 0xbf)));
    } else {
        p.setPen(QPen(hover ? brand::bright : QColor(0x9d, 0xb7, 0xd5), 1));
        p.setBrush(hover ? Canvas::vertical(box, QColor(0xea, 0xf3, 0xfd), QColor(0xd3, 0xe5, 0xf9))
                         : Canvas::vertical(box, Qt::white, QColor(0xed, 0xf2, 0xf8)));
    }
    p.drawRoundedRect(box, kRadius, kRadius);
    p.setPen(QPen(QColor(255, 255, 255, kind == Kind::Primary ? 80 : 200), 1));
    p.drawLine(QPointF(box.left() + kRadius, box.top() + 1), QPointF(box.right() - kRadius, box.top() + 1));
}

QImage ButtonArt::text(int width, int height, const QString& label, Kind kind, bool hover) {
    QImage image = Canvas::blank(width, height, brand::dialogBody);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF box(0.5, 0.5, width - 1, height - 1);
    face(p, box, kind, hover);
    Canvas::text(p, box.translated(0, -0.5), label, Canvas::font(height >= 32 ? 15 : 13, kind == Kind::Primary),
                 labelColour(kind));
    return image;
}

QImage ButtonArt::withGlyph(int width, int height, const QString& label, const Glyph& glyph, bool hover) {
    QImage image = Canvas::blank(width, height, brand::dialogBody);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF box(0.5, 0.5, width - 1, height - 1);
    face(p, box, Kind::Secondary, hover);
    const double g = height * 0.5;
    glyph(p, QRectF(10, (height - g) / 2, g, g), brand::header, 1.4);
    Canvas::text(p, QRectF(10 + g, 0, width - 14 - g, height - 0.5), label, Canvas::font(13),
                 labelColour(Kind::Secondary));
    return image;
}

QImage ButtonArt::tab(int width, int height, const QString& label, const Glyph& glyph, bool active) {
    QImage image = Canvas::blank(width, height, brand::dialogBody);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF box(0.5, 0.5, width - 1, height - 1);
    p.setPen(Qt::NoPen);
    p.setBrush(active ? Canvas::vertical(box, QColor(0x1a, 0x88, 0xe8), brand::bright) : QBrush(brand::tabIdle));
    p.drawRoundedRect(box, kRadius, kRadius);
    if (active) {
        p.setBrush(brand::gold);
        p.drawRoundedRect(QRectF(0.5, height * 0.25, 3, height * 0.5), 1.5, 1.5);
    }
    const QColor ink = active ? QColor(Qt::white) : brand::header;
    const double g = height * 0.48;
    glyph(p, QRectF(14, (height - g) / 2, g, g), ink, 1.5);
    Canvas::text(p, QRectF(20 + g, 0, width - 26 - g, height - 0.5), label, Canvas::font(14, active),
                 active ? QColor(Qt::white) : QColor(0x2b, 0x4a, 0x6f));
    return image;
}

QImage ButtonArt::close(bool hover) {
    QImage image = Canvas::blank(30, 24, brand::header);
    QPainter p(&image);
    Canvas::prepare(p);
    if (hover) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x48, 0x48));
        p.drawRoundedRect(QRectF(1, 1, 28, 22), 3, 3);
    }
    GlyphArt::cross(p, QRectF(10, 7, 10, 10), Qt::white, 1.6);
    return image;
}

QImage ButtonArt::sound(bool hover) {
    QImage image = Canvas::blank(28, 24, brand::dialogBody);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF box(0.5, 0.5, 27, 23);
    p.setPen(QPen(hover ? brand::bright : QColor(0xb8, 0xc8, 0xdc), 1));
    p.setBrush(hover ? QBrush(brand::bright) : QBrush(Qt::white));
    p.drawRoundedRect(box, kRadius, kRadius);
    GlyphArt::speaker(p, QRectF(7, 6, 14, 12), hover ? QColor(Qt::white) : brand::header, 1.4);
    return image;
}
