#include "platform/qt/QtLabel.h"
#include <QFont>
#include <QPalette>

namespace plat {

void QtLabel::setForeColor(uint32_t rgb) {
    foreColor_ = rgb & 0xFFFFFF;
    QPalette palette = label()->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(foreColor_));
    label()->setPalette(palette);
}

void QtLabel::setBackColor(uint32_t rgb) {
    QPalette palette = label()->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(rgb & 0xFFFFFF));
    label()->setPalette(palette);
    label()->setAutoFillBackground(true);
}

void QtLabel::setFont(const QString& family, int pointSize, bool bold) {
    label()->setFont(QFont(family, pointSize, bold ? QFont::Bold : QFont::Normal));
}

} // namespace plat
