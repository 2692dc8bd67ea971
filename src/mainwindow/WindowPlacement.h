#pragma once
#include "platform/window/Window.h"
#include <QRect>

class cls_Config;

// Where the main window was and in which state it was left, as the configuration document
// keeps it (Window/ZEP_Main in pixels, Window/ZEP_state). A value that is missing or not a
// number reads as 0.
class WindowPlacement {
public:
    // The last state: 0 normal, 1 minimised, 2 maximised.
    static constexpr int Minimised = 1;
    static constexpr int Maximised = 2;

    explicit WindowPlacement(cls_Config* config) : config_(config) {}

    // The stored rectangle with a negative left or top raised to 0; a window left
    // minimised reopens at 1020 x 700.
    QRect startGeometry() const;
    int windstate() const;
    int storedWidth() const;

    void saveGeometry(const QRect& r) const;
    void saveState(plat::WindowState state) const;

private:
    int mainValue(const char* key) const;
    cls_Config& config() const;

    cls_Config* config_;
};
