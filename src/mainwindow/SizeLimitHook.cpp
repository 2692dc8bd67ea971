#include "mainwindow/SizeLimitHook.h"

void SizeLimitHook::install(plat::Window& window, const QRect& workArea) {
    maximised_ = workArea;
    hook_.WindowProc = [this](long& result, plat::WindowMessage& msg) { WindowProc(result, msg); };
    hook_.SetMsgHook(window);
}

void SizeLimitHook::WindowProc(long& result, plat::WindowMessage& msg) {
    if (msg.msg != plat::wm::GETMINMAXINFO) {
        result = hook_.CallDefaultWindowProc(msg);
        return;
    }
    msg.rect = maximised_;
    result = 0;
}
