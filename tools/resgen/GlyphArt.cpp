#include "GlyphArt.h"
#include <QPainterPath>
#include <QPolygonF>

void GlyphArt::usePen(QPainter& p, const QColor& c, double width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void GlyphArt::info(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const double r = std::min(box.width(), box.height()) / 2 - pen / 2;
    const QPointF m = box.center();
    p.drawEllipse(m, r, r);
    p.drawLine(QPointF(m.x(), m.y() - r * 0.12), QPointF(m.x(), m.y() + r * 0.52));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(m.x(), m.y() - r * 0.48), pen * 0.75, pen * 0.75);
}

void GlyphArt::minimise(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const double y = box.center().y() + box.height() * 0.1;
    p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
}

void GlyphArt::maximise(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    p.drawRoundedRect(box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2), 1.2, 1.2);
}

void GlyphArt::restore(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const double s = box.width() * 0.74;
    const QRectF front(box.left() + pen / 2, box.bottom() - s + pen / 2, s - pen, s - pen);
    const QRectF back = front.translated(box.width() - s, -(box.height() - s));
    p.drawRoundedRect(front, 1.2, 1.2);
    QPainterPath behind;
    behind.moveTo(back.left(), front.top());
    behind.lineTo(back.left(), back.top());
    behind.lineTo(back.right(), back.top());
    behind.lineTo(back.right(), back.bottom());
    behind.lineTo(front.right(), back.bottom());
    p.drawPath(behind);
}

void GlyphArt::cross(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void GlyphArt::chevron(QPainter& p, const QRectF& box, const QColor& c, double pen, bool pointsLeft) {
    usePen(p, c, pen);
    const double tip = pointsLeft ? box.left() : box.right();
    const double tail = pointsLeft ? box.right() : box.left();
    const QPointF points[] = {{tail, box.top()}, {tip, box.center().y()}, {tail, box.bottom()}};
    p.drawPolyline(points, 3);
}

void GlyphArt::speaker(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    const double w = box.width(), h = box.height();
    const QPointF o = box.topLeft();
    QPolygonF body;
    body << o + QPointF(0, h * 0.36) << o + QPointF(w * 0.22, h * 0.36) << o + QPointF(w * 0.48, h * 0.1)
         << o + QPointF(w * 0.48, h * 0.9) << o + QPointF(w * 0.22, h * 0.64) << o + QPointF(0, h * 0.64);
    p.setPen(QPen(c, pen * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(c);
    p.drawPolygon(body);
    usePen(p, c, pen);
    for (int i = 0; i < 2; ++i) {
        const double r = h * (0.2 + 0.18 * i);
        const QRectF arc(o.x() + w * 0.5 - r, o.y() + h / 2 - r, 2 * r, 2 * r);
        p.drawArc(arc, -45 * 16, 90 * 16);
    }
}

void GlyphArt::newsSheet(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const QRectF sheet = box.adjusted(box.width() * 0.1, pen / 2, -box.width() * 0.1, -pen / 2);
    p.drawRoundedRect(sheet, 2, 2);
    const double x0 = sheet.left() + sheet.width() * 0.22, x1 = sheet.right() - sheet.width() * 0.22;
    for (int i = 0; i < 3; ++i) {
        const double y = sheet.top() + sheet.height() * (0.3 + 0.2 * i);
        p.drawLine(QPointF(x0, y), QPointF(i == 2 ? (x0 + x1) / 2 : x1, y));
    }
}

void GlyphArt::calendar(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const QRectF page = box.adjusted(pen / 2, box.height() * 0.14, -pen / 2, -pen / 2);
    p.drawRoundedRect(page, 2, 2);
    p.drawLine(QPointF(page.left(), page.top() + page.height() * 0.3),
               QPointF(page.right(), page.top() + page.height() * 0.3));
    for (double fx : {0.3, 0.7}) {
        const double x = page.left() + page.width() * fx;
        p.drawLine(QPointF(x, box.top() + pen / 2), QPointF(x, page.top() + page.height() * 0.12));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QPointF dot(page.left() + page.width() * (0.25 + 0.25 * col),
                              page.top() + page.height() * (0.55 + 0.25 * row));
            p.drawEllipse(dot, pen * 0.6, pen * 0.6);
        }
    }
}

void GlyphArt::trend(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const QPointF axis[] = {box.topLeft() + QPointF(pen / 2, pen / 2), box.bottomLeft() + QPointF(pen / 2, -pen / 2),
                            box.bottomRight() - QPointF(pen / 2, pen / 2)};
    p.drawPolyline(axis, 3);
    const double w = box.width(), h = box.height();
    const QPointF line[] = {box.topLeft() + QPointF(w * 0.25, h * 0.7), box.topLeft() + QPointF(w * 0.48, h * 0.42),
                            box.topLeft() + QPointF(w * 0.66, h * 0.58), box.topLeft() + QPointF(w * 0.92, h * 0.2)};
    p.drawPolyline(line, 4);
}

void GlyphArt::speechBubble(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const QRectF body = box.adjusted(pen / 2, pen / 2, -pen / 2, -box.height() * 0.25);
    QPainterPath path;
    path.addRoundedRect(body, body.height() * 0.3, body.height() * 0.3);
    QPainterPath tail;
    tail.moveTo(body.left() + body.width() * 0.25, body.bottom() - pen);
    tail.lineTo(body.left() + body.width() * 0.2, box.bottom() - pen / 2);
    tail.lineTo(body.left() + body.width() * 0.45, body.bottom() - pen);
    p.drawPath(path.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(body.left() + body.width() * (0.3 + 0.2 * i), body.center().y()), pen * 0.65, pen * 0.65);
    }
}

void GlyphArt::bulb(QPainter& p, const QRectF& box, const QColor& c, double pen) {
    usePen(p, c, pen);
    const double r = box.width() * 0.34;
    const QPointF m(box.center().x(), box.top() + r + pen / 2);
    QPainterPath glass;
    glass.moveTo(m.x() - r * 0.55, m.y() + r * 0.85);
    glass.arcTo(QRectF(m.x() - r, m.y() - r, 2 * r, 2 * r), 235, -290);
    glass.lineTo(m.x() + r * 0.45, box.bottom() - box.height() * 0.22);
    glass.lineTo(m.x() - r * 0.45, box.bottom() - box.height() * 0.22);
    glass.closeSubpath();
    p.drawPath(glass);
    p.drawLine(QPointF(m.x() - r * 0.4, box.bottom() - pen / 2), QPointF(m.x() + r * 0.4, box.bottom() - pen / 2));
}

void GlyphArt::warning(QPainter& p, const QRectF& box, const QColor& fill, const QColor& mark) {
    const double w = box.width(), h = box.height();
    QPainterPath tri;
    tri.moveTo(box.left() + w / 2, box.top() + h * 0.06);
    tri.lineTo(box.right() - w * 0.04, box.bottom() - h * 0.08);
    tri.lineTo(box.left() + w * 0.04, box.bottom() - h * 0.08);
    tri.closeSubpath();
    p.setPen(QPen(fill, w * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(tri);
    p.setPen(QPen(mark, w * 0.11, Qt::SolidLine, Qt::RoundCap));
    const double x = box.left() + w / 2;
    p.drawLine(QPointF(x, box.top() + h * 0.36), QPointF(x, box.top() + h * 0.62));
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawEllipse(QPointF(x, box.top() + h * 0.77), w * 0.065, w * 0.065);
}
