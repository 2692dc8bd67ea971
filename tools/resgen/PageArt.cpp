#include "PageArt.h"
#include "Brand.h"
#include "Canvas.h"
#include "GlyphArt.h"
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

constexpr double kStripPen = 1.6;

QRectF centred(double cx, double cy, double size) { return QRectF(cx - size / 2, cy - size / 2, size, size); }

} // namespace

QImage PageArt::windowStrip(bool maximised) {
    QImage image = Canvas::blank(150, 36);
    QPainter p(&image);
    Canvas::prepare(p);
    const QColor ink(255, 255, 255, 240);
    // Centres of the map's rectangles 10-30, 35-69, 70-107 and 110-143, rows 2-32.
    GlyphArt::info(p, centred(20, 17, 15), ink, kStripPen);
    GlyphArt::minimise(p, centred(52, 17, 12), ink, kStripPen);
    if (maximised) {
        GlyphArt::restore(p, centred(88.5, 17, 12), ink, kStripPen);
    } else {
        GlyphArt::maximise(p, centred(88.5, 17, 11), ink, kStripPen);
    }
    GlyphArt::cross(p, centred(126.5, 17, 10), ink, kStripPen);
    return image;
}

QImage PageArt::warning() {
    QImage image = Canvas::blank(32, 32);
    QPainter p(&image);
    Canvas::prepare(p);
    GlyphArt::warning(p, QRectF(1, 2, 30, 28), brand::amber, Qt::white);
    return image;
}

QList<QImage> PageArt::loadingFrames() {
    constexpr int kDots = 8;
    QList<QImage> frames;
    for (int f = 0; f < kDots; ++f) {
        QImage image = Canvas::blank(16, 16);
        QPainter p(&image);
        Canvas::prepare(p);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < kDots; ++i) {
            const int age = (f - i + kDots) % kDots; // 0: the dot just lit
            QColor c = brand::sky;
            c.setAlphaF(1.0 - age * 0.11);
            const double a = 2 * std::numbers::pi * i / kDots - std::numbers::pi / 2;
            p.setBrush(c);
            p.drawEllipse(QPointF(8 + 5.4 * std::cos(a), 8 + 5.4 * std::sin(a)), 1.7 - age * 0.1, 1.7 - age * 0.1);
        }
        frames.append(image);
    }
    return frames;
}

QImage PageArt::calendarTabStrip() {
    QImage image = Canvas::blank(4, 34);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 4, 32), Canvas::vertical(QRectF(0, 0, 4, 32), Qt::white, QColor(0xea, 0xf1, 0xf9)));
    p.fillRect(QRect(0, 32, 4, 2), QColor(0x00, 0x94, 0xee));
    return image;
}

QImage PageArt::headerShadow() {
    static const int alphas[] = {70, 40, 22, 11, 5, 2};
    QImage image = Canvas::blank(4, 6);
    QPainter p(&image);
    for (int y = 0; y < 6; ++y) p.fillRect(QRect(0, y, 4, 1), QColor(0, 30, 70, alphas[y]));
    return image;
}

QImage PageArt::bullet() {
    QImage image = Canvas::blank(6, 9);
    QPainter p(&image);
    Canvas::prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(brand::sky);
    const QPointF points[] = {{0.5, 0.5}, {5.5, 4.5}, {0.5, 8.5}};
    p.drawPolygon(points, 3);
    return image;
}

QImage PageArt::smallButton() {
    QImage image = Canvas::blank(64, 24);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF box(0.5, 0.5, 63, 23);
    p.setPen(QPen(brand::header, 1));
    p.setBrush(Canvas::vertical(box, QColor(0x2b, 0x92, 0xec), QColor(0x00, 0x66, 0xc4)));
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(60, 1.5));
    return image;
}

QImage PageArt::arrow(bool pointsLeft) {
    QImage image = Canvas::blank(8, 12);
    QPainter p(&image);
    Canvas::prepare(p);
    GlyphArt::chevron(p, QRectF(2, 1.5, 4, 9), Qt::white, 2, pointsLeft);
    return image;
}

QImage PageArt::popupClose() {
    QImage image = Canvas::blank(31, 19);
    QPainter p(&image);
    Canvas::prepare(p);
    GlyphArt::cross(p, centred(15.5, 9.5, 8), brand::slate, 1.7);
    return image;
}

QImage PageArt::captionBand() {
    QImage image = Canvas::blank(4, 25);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 4, 24), Canvas::vertical(QRectF(0, 0, 4, 24), brand::captionTop, brand::captionBottom));
    p.fillRect(QRect(0, 0, 4, 1), Qt::white);
    p.fillRect(QRect(0, 24, 4, 1), QColor(0xb8, 0xc6, 0xd9));
    return image;
}

QImage PageArt::popupBody() {
    QImage image = Canvas::blank(280, 200);
    QPainter p(&image);
    Canvas::prepare(p);
    p.fillRect(image.rect(), Canvas::vertical(QRectF(0, 0, 280, 200), Qt::white, QColor(0xf3, 0xf7, 0xfc)));
    // A faint price curve in the lower right, well below the text's contrast.
    QPainterPath area;
    area.moveTo(120, 200);
    static const double ys[] = {186, 178, 182, 168, 172, 158, 163, 150};
    for (int i = 0; i < 8; ++i) area.lineTo(120 + i * 160.0 / 7, ys[i]);
    area.lineTo(280, 200);
    area.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe6, 0xee, 0xf8));
    p.drawPath(area);
    return image;
}
