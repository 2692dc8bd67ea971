#include "core/DialogDrawing.h"
#include "platform/window/Screen.h"
#include "platform/window/Window.h"

namespace DialogDrawing {

plat::Label* addLabel(plat::Window& window, const QRect& r, const QString& text, uint32_t color,
                      int pointSize, bool bold) {
    plat::Label* label = window.createLabel();
    label->setGeometry(r);
    label->setFont(QStringLiteral("Sans Serif"), pointSize, bold);
    label->setForeColor(color);
    label->setText(text);
    return label;
}

void placeCentred(plat::Window& window, const plat::Screen& screen, const QSize& size) {
    QRect r(QPoint(0, 0), size);
    r.moveCenter(screen.workArea().center());
    window.setGeometry(r);
}

} // namespace DialogDrawing
