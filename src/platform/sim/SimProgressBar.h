#pragma once
#include "platform/sim/SimControl.h"

namespace plat {

class SimProgressBar : public SimControl<ProgressBar> {
public:
    using SimControl::SimControl;

    void setRange(qint64 maximum) override { maximum_ = maximum; }
    qint64 maximum() const { return maximum_; }
    void setValue(qint64 value) override { value_ = value; }
    qint64 value() const { return value_; }
    void setText(const QString& text) override { text_ = text; }
    QString text() const { return text_; }

private:
    qint64 maximum_ = 100;
    qint64 value_ = 0;
    QString text_;
};

} // namespace plat
