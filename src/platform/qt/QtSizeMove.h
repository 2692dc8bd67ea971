#pragma once
#include "platform/window/Window.h"
#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace plat {

// One drag or size of a window by the user, reported to the window's hook as the system's
// size-move loop reports it on Windows: ENTERSIZEMOVE, MOVING or SIZING per step with the
// window's rectangle, which the hook may change, and EXITSIZEMOVE when the left button
// comes up.
//
// The window manager does the drag where it can (QWindow::startSystemMove/Resize). It moves
// the window before telling it, so MOVING and SIZING then carry the rectangle the window
// already has, and a rectangle the hook changes is applied afterwards. Where the window
// manager cannot, the window follows the cursor by itself and the hook sees a true proposal
// first. Either way the end is the left button's release, polled from the display server,
// because the window manager holds the pointer and the application hears no release; the
// end waits one poll more for the window manager's last move, which is often the only one
// it reports.
class QtSizeMove : public QObject {
public:
    using Send = std::function<void(WindowMessage&)>;

    QtSizeMove(QWidget& widget, Window& window, Send send);

    // Starts a drag (sizing false) or a size by the bottom-right corner; nothing unless the
    // left button is down.
    void start(bool sizing);
    bool active() const { return timer_.isActive(); }
    // The window moved (resized false) or resized; the window calls this before it sends
    // SIZE, so that SIZING comes first as on Windows.
    void windowChanged(bool resized);

private:
    void poll();
    void followCursor();
    // Gives the hook r as the step's rectangle and the window what the hook made of it;
    // applied unconditionally when the window manager is not the one moving the window.
    void step(const QRect& r);
    void finish();

    QWidget& widget_;
    Window& window_;
    Send send_;
    QTimer timer_;
    bool sizing_ = false;
    bool byWindowManager_ = false;
    bool released_ = false;
    QRect startRect_;
    QPoint startCursor_;
    QPoint lastCursor_;
    QRect lastRect_;
};

} // namespace plat
