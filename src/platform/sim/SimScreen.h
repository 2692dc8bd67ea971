#pragma once
#include "platform/window/Screen.h"
#include <QSize>

namespace plat {

// A screen of fixed size for tests and --headless: 1600 x 1000 pixels with a 40-pixel taskbar
// along the bottom edge unless a test says otherwise. The cursor goes where a test puts it.
class SimScreen : public Screen {
public:
    QRect workArea() const override { return workArea_; }
    QRect screenRect() const override { return screenRect_; }
    QSize virtualScreen() const override { return virtualScreen_; }
    QPoint cursorPos() const override { return cursorPos_; }
    void setBusyCursor(bool busy) override { busyCursor_ = busy; }

    void setWorkArea(const QRect& r) { workArea_ = r; }
    // A single screen: the virtual screen becomes the screen's size.
    void setScreenRect(const QRect& r) {
        screenRect_ = r;
        virtualScreen_ = r.size();
    }
    void setVirtualScreen(const QSize& s) { virtualScreen_ = s; }
    void setCursorPos(const QPoint& p) { cursorPos_ = p; }
    bool busyCursor() const { return busyCursor_; }

private:
    QRect screenRect_{0, 0, 1600, 1000};
    QRect workArea_{0, 0, 1600, 960};
    QSize virtualScreen_{1600, 1000};
    QPoint cursorPos_{800, 500};
    bool busyCursor_ = false;
};

} // namespace plat
