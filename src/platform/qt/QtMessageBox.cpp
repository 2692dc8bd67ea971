#include "platform/qt/QtMessageBox.h"
#include <QMessageBox>

namespace plat {

namespace {

QMessageBox::Icon iconFor(int style) {
    switch (style & 0x70) {
    case mb::Critical:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case mb::Exclamation:
        return QMessageBox::Warning;
    case mb::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtMessageBox::show(const QString& text, int style, const QString& caption) {
    QMessageBox box(iconFor(style), caption, text, QMessageBox::Ok);
    if (style & (mb::SystemModal | mb::Foreground)) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.exec();
}

} // namespace plat
