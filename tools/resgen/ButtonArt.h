#pragma once
#include <QImage>
#include <QString>
#include <functional>

class QPainter;

// The dialogs' image buttons, each in a normal and a highlighted face. Drawn on the dialog
// body colour (brand::dialogBody), the close buttons on the title strip (brand::header).
class ButtonArt {
public:
    enum class Kind { Primary, Secondary };
    using Glyph = std::function<void(QPainter&, const QRectF&, const QColor&, double)>;

    static QImage text(int width, int height, const QString& label, Kind kind, bool hover);
    static QImage withGlyph(int width, int height, const QString& label, const Glyph& glyph, bool hover);
    static QImage tab(int width, int height, const QString& label, const Glyph& glyph, bool active);
    static QImage close(bool hover);
    static QImage sound(bool hover);

private:
    static void face(QPainter& p, const QRectF& box, Kind kind, bool hover);
};
