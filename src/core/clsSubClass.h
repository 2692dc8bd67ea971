#pragma once
#include "platform/window/Window.h"
#include <functional>

// Puts itself in front of a window's message handling and hands every message to its
// owner's WindowProc. The owner calls CallDefaultWindowProc for what it does not fully
// answer; a message it neither answers nor passes on is swallowed.
class clsSubClass {
public:
    ~clsSubClass();

    using WindowProcHandler = std::function<void(long& result, plat::WindowMessage& msg)>;
    WindowProcHandler WindowProc;

    void SetMsgHook(plat::Window& window);
    void SetMsgUnHook();
    long CallDefaultWindowProc(plat::WindowMessage& msg);
    bool hooked() const { return window_ != nullptr; }

private:
    bool hook(plat::WindowMessage& msg);

    plat::Window* window_ = nullptr;
    plat::Window::MessageHook previous_;
    bool passOn_ = false;
};
