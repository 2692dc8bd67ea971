#pragma once
#include <QPoint>
#include <QRect>

namespace plat {

// The desktop as the program sees it, in pixels.
class Screen {
public:
    virtual ~Screen() = default;
    virtual QRect workArea() const = 0;      // the desktop less the taskbar
    virtual QRect screenRect() const = 0;    // the primary screen
    virtual QSize virtualScreen() const = 0; // all screens together
    virtual int twipsPerPixelX() const { return 15; }
    virtual int twipsPerPixelY() const { return 15; }
    virtual QPoint cursorPos() const = 0;
    // The screen's mouse pointer: true shows the hourglass, false the default.
    virtual void setBusyCursor(bool busy) = 0;
};

} // namespace plat
