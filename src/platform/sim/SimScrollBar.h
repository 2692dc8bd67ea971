#pragma once
#include "platform/sim/SimControl.h"
#include <algorithm>

namespace plat {

class SimScrollBar : public SimControl<ScrollBar> {
public:
    using SimControl::SimControl;

    void setRange(int maximum) override {
        maximum_ = std::max(0, maximum);
        value_ = std::min(value_, maximum_);
    }
    int maximum() const override { return maximum_; }
    void setValue(int value) override { value_ = std::clamp(value, 0, maximum_); }
    int value() const override { return value_; }

    // The user moves the bar to value (kept within its range), then onChange.
    void userScrollTo(int value) {
        if (!reachable()) return;
        setValue(value);
        fire(onChange);
    }

private:
    int maximum_ = 0;
    int value_ = 0;
};

} // namespace plat
