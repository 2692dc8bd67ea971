#include "platform/window/HookedWindow.h"

namespace plat {

bool HookedWindow::send(WindowMessage& m) {
    const MessageHook hook = hook_; // the hook may replace itself while it runs
    return hook && hook(m);
}

void HookedWindow::sendSize(WindowState state, const QSize& clientSize) {
    static_assert(static_cast<int>(WindowState::Minimized) == wm::SIZE_MINIMIZED &&
                  static_cast<int>(WindowState::Maximized) == wm::SIZE_MAXIMIZED);
    const bool minimised = state == WindowState::Minimized;
    WindowMessage m = wm::make(wm::SIZE, static_cast<int>(state),
                               minimised ? 0 : wm::makeLParam(clientSize.width(), clientSize.height()));
    if (!send(m) && onResize) onResize();
}

void HookedWindow::sendActivation(int how) {
    WindowMessage m = wm::make(wm::ACTIVATE, how);
    if (!send(m) && how != wm::WA_INACTIVE && onActivate) onActivate();
}

void HookedWindow::sendMouseOverFrame(const QPoint& screenPos) {
    WindowMessage m = wm::make(wm::NCMOUSEMOVE, 0, wm::makeLParam(screenPos.x(), screenPos.y()));
    send(m);
}

HookedWindow::CloseOutcome HookedWindow::sendClose() {
    WindowMessage m = wm::make(wm::CLOSE);
    if (send(m)) return CloseOutcome::Keep;
    bool cancel = false;
    const std::weak_ptr<int> alive = life_;
    if (onCloseRequest) onCloseRequest(cancel);
    if (alive.expired()) return CloseOutcome::Gone;
    return cancel ? CloseOutcome::Keep : CloseOutcome::Close;
}

} // namespace plat
