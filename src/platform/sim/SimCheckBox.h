#pragma once
#include "platform/sim/SimControl.h"

namespace plat {

class SimCheckBox : public SimControl<CheckBox> {
public:
    using SimControl::SimControl;

    void setCaption(const QString& text) override { caption_ = text; }
    QString caption() const { return caption_; }
    int value() const override { return value_; }
    void setValue(int v) override { value_ = v; }

    // A click toggles the box, then raises onClick.
    void userClick() override {
        if (reachable()) value_ = value_ ? 0 : 1;
        SimControl::userClick();
    }

private:
    QString caption_;
    int value_ = 0;
};

} // namespace plat
