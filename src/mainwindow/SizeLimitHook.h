#pragma once
#include "core/clsSubClass.h"
#include <QRect>

// Keeps the maximised main window off the taskbar: answers the window's question for its
// maximised rectangle with the work area; every other message passes on.
class SizeLimitHook {
public:
    void install(plat::Window& window, const QRect& workArea);
    void remove() { hook_.SetMsgUnHook(); }

private:
    void WindowProc(long& result, plat::WindowMessage& msg);

    clsSubClass hook_;
    QRect maximised_;
};
