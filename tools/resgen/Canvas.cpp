#include "Canvas.h"
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QLinearGradient>

namespace {

const char* const kFontFile = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
QString& family() {
    static QString f;
    return f;
}

} // namespace

bool Canvas::loadFont() {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile));
    if (id < 0) return false;
    family() = QFontDatabase::applicationFontFamilies(id).value(0);
    return !family().isEmpty();
}

QImage Canvas::blank(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void Canvas::prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont Canvas::font(int pixelSize, bool bold) {
    QFont f(family());
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void Canvas::text(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& colour,
                  int align) {
    // The font has no bold face: bold text is the outline filled and stroked a little wider.
    QFont regular = font;
    regular.setBold(false);
    const QFontMetricsF metrics(regular);
    const double width = metrics.horizontalAdvance(text);
    double x = box.left();
    if (align & Qt::AlignHCenter) x = box.center().x() - width / 2;
    if (align & Qt::AlignRight) x = box.right() - width;
    const double baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, baseline), regular, text);
    p.save();
    p.setPen(font.bold() ? QPen(colour, font.pixelSize() / 18.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                         : QPen(Qt::NoPen));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

QBrush Canvas::vertical(const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}
