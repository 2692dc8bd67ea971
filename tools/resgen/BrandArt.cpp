#include "BrandArt.h"
#include "Brand.h"
#include "Canvas.h"
#include <QPainterPath>

void BrandArt::mark(QPainter& p, const QRectF& box, const QColor& tileTop, const QColor& tileBottom,
                    const QColor& ring) {
    const double s = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Canvas::vertical(box, tileTop, tileBottom));
    p.drawRoundedRect(box, s * 0.22, s * 0.22);

    const QPointF m(box.left() + s * 0.46, box.top() + s * 0.52);
    const double r = s * 0.26;
    const double pen = std::max(1.4, s * 0.095);
    p.setPen(QPen(ring, pen, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    // The ring opens at the upper right, where the chart line breaks out.
    p.drawArc(QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r), 70 * 16, 310 * 16);
    p.drawLine(m + QPointF(r * 0.5, r * 0.5), m + QPointF(r * 1.05, r * 1.05));

    const QColor gold = brand::gold;
    const double line = std::max(1.3, s * 0.08);
    p.setPen(QPen(gold, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tip = m + QPointF(r * 1.25, -r * 1.2);
    const QPointF from = m + QPointF(-r * 0.55, r * 0.3);
    if (s < 22) {
        p.drawLine(from, tip); // too small for the zigzag
    } else {
        const QPointF points[] = {from, m + QPointF(-r * 0.1, -r * 0.15), m + QPointF(r * 0.2, r * 0.1), tip};
        p.drawPolyline(points, 4);
    }
    const double head = s * 0.13;
    QPainterPath arrow;
    arrow.moveTo(tip + QPointF(head * 0.25, -head * 0.25));
    arrow.lineTo(tip + QPointF(-head, -head * 0.05));
    arrow.lineTo(tip + QPointF(head * 0.05, head));
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(arrow);
}

void BrandArt::chartLine(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    static const double ys[] = {0.78, 0.62, 0.7, 0.45, 0.52, 0.3, 0.38, 0.16};
    QPolygonF line;
    for (int i = 0; i < 8; ++i) line << QPointF(box.left() + box.width() * i / 7.0, box.top() + box.height() * ys[i]);
    p.setPen(QPen(c, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(line);
}

QImage BrandArt::appIcon(int size) {
    QImage image = Canvas::blank(size, size);
    QPainter p(&image);
    Canvas::prepare(p);
    const double inset = size >= 32 ? size * 0.06 : 0;
    mark(p, QRectF(inset, inset, size - 2 * inset, size - 2 * inset), QColor(0x1e, 0x8f, 0xf0), brand::headerDeep,
         Qt::white);
    return image;
}

QImage BrandArt::logo() {
    QImage image = Canvas::blank(120, 40);
    QPainter p(&image);
    Canvas::prepare(p);
    mark(p, QRectF(2, 4, 32, 32), Qt::white, QColor(0xd6, 0xe7, 0xf8), brand::header);
    Canvas::text(p, QRectF(41, 1, 79, 24), QStringLiteral("Quenra"), Canvas::font(20, true), Qt::white,
                 Qt::AlignLeft | Qt::AlignVCenter);
    Canvas::text(p, QRectF(42, 24, 78, 15), QStringLiteral("极速版"), Canvas::font(12, true), brand::gold,
                 Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage BrandArt::popupCaption() {
    QImage image = Canvas::blank(280, 30);
    QPainter p(&image);
    Canvas::prepare(p);
    const QRectF all(0, 0, 280, 30);
    QLinearGradient band(all.topLeft(), all.topRight());
    band.setColorAt(0, brand::header);
    band.setColorAt(1, brand::bright);
    p.fillRect(all, band);
    chartLine(p, QRectF(150, 4, 122, 22), QColor(255, 255, 255, 60), 2);
    mark(p, QRectF(8, 4, 22, 22), Qt::white, QColor(0xd6, 0xe7, 0xf8), brand::header);
    Canvas::text(p, QRectF(38, 0, 240, 30), QStringLiteral("外汇 · 黄金 · 财经日历  即时送达"), Canvas::font(12),
                 Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage BrandArt::dialogBackground(int width, int height) {
    constexpr int kStrip = 32;
    QImage image = Canvas::blank(width, height, brand::dialogBody);
    QPainter p(&image);
    Canvas::prepare(p);
    chartLine(p, QRectF(width * 0.45, height * 0.55, width * 0.5, height * 0.35), QColor(0xe3, 0xec, 0xf7), 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, width, kStrip), brand::header);
    p.fillRect(QRect(0, kStrip - 1, width, 1), brand::headerDeep);
    p.setPen(brand::frame);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(0, 0, width - 1, height - 1));
    p.setRenderHint(QPainter::Antialiasing, true);
    mark(p, QRectF(8, 5, 22, 22), Qt::white, QColor(0xd6, 0xe7, 0xf8), brand::header);
    return image;
}
