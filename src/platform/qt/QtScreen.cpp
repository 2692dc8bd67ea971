#include "platform/qt/QtScreen.h"
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace plat {

QtScreen::~QtScreen() { setBusyCursor(false); }

QRect QtScreen::workArea() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

QRect QtScreen::screenRect() const { return QGuiApplication::primaryScreen()->geometry(); }

QSize QtScreen::virtualScreen() const { return QGuiApplication::primaryScreen()->virtualSize(); }

QPoint QtScreen::cursorPos() const { return QCursor::pos(); }

void QtScreen::setBusyCursor(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

} // namespace plat
