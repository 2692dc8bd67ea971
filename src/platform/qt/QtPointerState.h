#pragma once
#include <Qt>

namespace plat {

// The mouse buttons held down right now, as the display server sees them. While the window
// manager drags a window it holds the pointer, and the application hears no button events,
// so Qt's own record of the buttons goes stale; on X11 this asks the server instead.
class QtPointerState {
public:
    static Qt::MouseButtons buttons();
};

} // namespace plat
