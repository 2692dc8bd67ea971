#pragma once
#include "platform/sim/SimWindow.h"
#include "platform/window/Controls.h"

namespace plat {

// What every simulated control keeps and how the user reaches it: a control can be clicked,
// pressed and moved over only while it and its window are visible and both are enabled.
template <class Base>
class SimControl : public Base {
public:
    explicit SimControl(SimWindow& window) : window_(window) {}

    void setGeometry(const QRect& r) override { geometry_ = r; }
    QRect geometry() const override { return geometry_; }
    void setVisible(bool on) override { visible_ = on; }
    bool isVisible() const override { return visible_; }
    void setHandCursor(bool on) override { handCursor_ = on; }
    bool handCursor() const { return handCursor_; }
    void setEnabled(bool on) override { enabled_ = on; }
    bool isEnabled() const override { return enabled_; }

    // The user's actions.
    virtual void userClick() { fire(this->onClick); }
    void userMouseDown() { fire(this->onMouseDown); }
    void userMouseMove() { fire(this->onMouseMove); }

protected:
    bool reachable() const { return visible_ && enabled_ && window_.isVisible() && window_.isEnabled(); }
    SimWindow& window() const { return window_; }
    void fire(const std::function<void()>& event) {
        if (reachable() && event) event();
    }

private:
    SimWindow& window_;
    QRect geometry_;
    bool visible_ = true;
    bool enabled_ = true;
    bool handCursor_ = false;
};

} // namespace plat
