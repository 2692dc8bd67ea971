#pragma once
#include <QColor>
#include <QPainter>
#include <QRectF>

// Small line symbols, drawn into a box with a pen of the given colour and width.
class GlyphArt {
public:
    static void info(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void minimise(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void maximise(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void restore(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void cross(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void chevron(QPainter& p, const QRectF& box, const QColor& c, double pen, bool pointsLeft);
    static void speaker(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void newsSheet(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void calendar(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void trend(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void speechBubble(QPainter& p, const QRectF& box, const QColor& c, double pen);
    static void bulb(QPainter& p, const QRectF& box, const QColor& c, double pen);
    // A filled warning triangle with an exclamation mark in mark.
    static void warning(QPainter& p, const QRectF& box, const QColor& fill, const QColor& mark);

private:
    static void usePen(QPainter& p, const QColor& c, double width);
};
