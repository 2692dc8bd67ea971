#pragma once
#include "platform/window/Controls.h"
#include <memory>
#include <vector>

namespace plat {

// The controls a window has made, owned by it and destroyed with it; handed out as plain
// pointers that stay valid for the window's life.
class ControlList {
public:
    template <class C, class... Args>
    C* add(Args&&... args) {
        auto control = std::make_unique<C>(std::forward<Args>(args)...);
        C* raw = control.get();
        controls_.push_back(std::move(control));
        return raw;
    }
    const std::vector<std::unique_ptr<Control>>& items() const { return controls_; }
    void clear() { controls_.clear(); }

private:
    std::vector<std::unique_ptr<Control>> controls_;
};

} // namespace plat
