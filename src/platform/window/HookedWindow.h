#pragma once
#include "platform/window/Window.h"
#include <memory>

namespace plat {

// The message side that both backends share: each message reaches the hook first, and what
// the window does by default when the hook leaves a message alone.
class HookedWindow : public Window {
public:
    void setMessageHook(MessageHook hook) override { hook_ = std::move(hook); }
    MessageHook messageHook() const override { return hook_; }

protected:
    enum class CloseOutcome { Close, Keep, Gone };

    // True when the hook fully answered m.
    bool send(WindowMessage& m);
    // SIZE with the state (its value is the SIZE wParam) and the client size, none when
    // minimised; by default onResize.
    void sendSize(WindowState state, const QSize& clientSize);
    // ACTIVATE (wm::WA_...); by default onActivate when the window gains the activation.
    void sendActivation(int how);
    // NCMOUSEMOVE with the cursor's screen position; nothing by default.
    void sendMouseOverFrame(const QPoint& screenPos);
    // The user's close command: CLOSE, by default onCloseRequest. Keep when the hook
    // answered or the request was cancelled; Gone when the handler destroyed the window
    // (nothing of it may be touched then).
    CloseOutcome sendClose();

private:
    MessageHook hook_;
    // Expires with the window, for handlers after which the window may be gone.
    std::shared_ptr<int> life_ = std::make_shared<int>(0);
};

} // namespace plat
