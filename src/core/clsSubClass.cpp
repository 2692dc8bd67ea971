#include "core/clsSubClass.h"

clsSubClass::~clsSubClass() { SetMsgUnHook(); }

void clsSubClass::SetMsgHook(plat::Window& window) {
    SetMsgUnHook();
    window_ = &window;
    previous_ = window.messageHook();
    window.setMessageHook([this](plat::WindowMessage& msg) { return hook(msg); });
}

void clsSubClass::SetMsgUnHook() {
    if (!window_) return;
    window_->setMessageHook(previous_);
    window_ = nullptr;
    previous_ = nullptr;
}

bool clsSubClass::hook(plat::WindowMessage& msg) {
    passOn_ = false;
    long result = 0;
    if (WindowProc) WindowProc(result, msg);
    if (!passOn_) msg.result = result;
    return !passOn_;
}

long clsSubClass::CallDefaultWindowProc(plat::WindowMessage& msg) {
    // The previous hook answers first; when it does not, the window's own handling runs
    // once the hook returns.
    if (previous_ && previous_(msg)) {
        passOn_ = false;
        return msg.result;
    }
    passOn_ = true;
    return 0;
}
