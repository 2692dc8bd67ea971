#pragma once
#include "platform/window/Screen.h"

namespace plat {

// The primary screen as Qt reports it: the work area is what the window manager leaves free
// of panels and docks (the tray host's strut included), in device-independent pixels.
class QtScreen : public Screen {
public:
    ~QtScreen() override;

    QRect workArea() const override;
    QRect screenRect() const override;
    QSize virtualScreen() const override;
    QPoint cursorPos() const override;
    // The application's override cursor, set once however often the program asks.
    void setBusyCursor(bool busy) override;

private:
    bool busy_ = false;
};

} // namespace plat
