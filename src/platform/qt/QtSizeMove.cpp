#include "platform/qt/QtSizeMove.h"
#include "platform/qt/QtPointerState.h"
#include <QCursor>
#include <QWidget>
#include <QWindow>

namespace plat {

namespace {
constexpr int pollMs = 25;
}

QtSizeMove::QtSizeMove(QWidget& widget, Window& window, Send send)
    : widget_(widget), window_(window), send_(std::move(send)) {
    timer_.setInterval(pollMs);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
}

void QtSizeMove::start(bool sizing) {
    if (active() || !(QtPointerState::buttons() & Qt::LeftButton)) return;
    QWindow* handle = widget_.windowHandle();
    if (!handle) return;
    sizing_ = sizing;
    released_ = false;
    startRect_ = lastRect_ = window_.geometry();
    startCursor_ = lastCursor_ = QCursor::pos();
    byWindowManager_ = sizing ? handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge) : handle->startSystemMove();
    WindowMessage enter = wm::make(wm::ENTERSIZEMOVE);
    send_(enter);
    timer_.start();
}

void QtSizeMove::windowChanged(bool resized) {
    if (active() && byWindowManager_ && resized == sizing_ && window_.geometry() != lastRect_) step(window_.geometry());
}

void QtSizeMove::poll() {
    if (QtPointerState::buttons() & Qt::LeftButton) {
        if (!byWindowManager_) followCursor();
    } else if (!released_) {
        released_ = true;
    } else {
        finish();
    }
}

void QtSizeMove::followCursor() {
    const QPoint cursor = QCursor::pos();
    if (cursor == lastCursor_) return;
    lastCursor_ = cursor;
    const QPoint delta = cursor - startCursor_;
    if (sizing_) {
        const QSize size = (startRect_.size() + QSize(delta.x(), delta.y())).expandedTo(widget_.minimumSize());
        step(QRect(startRect_.topLeft(), size));
    } else {
        step(startRect_.translated(delta));
    }
}

void QtSizeMove::step(const QRect& r) {
    WindowMessage m = wm::make(sizing_ ? wm::SIZING : wm::MOVING, sizing_ ? wm::WMSZ_BOTTOMRIGHT : 0);
    m.rect = r;
    send_(m);
    lastRect_ = m.rect;
    if (!byWindowManager_ || m.rect != r) window_.setGeometry(m.rect);
}

void QtSizeMove::finish() {
    if (byWindowManager_ && window_.geometry() != lastRect_) step(window_.geometry());
    timer_.stop();
    WindowMessage exit = wm::make(wm::EXITSIZEMOVE);
    send_(exit);
}

} // namespace plat
