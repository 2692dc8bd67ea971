#pragma once
#include "platform/sim/SimControl.h"

namespace plat {

class SimImageBox : public SimControl<ImageBox> {
public:
    using SimControl::SimControl;

    void setPicture(const QString& path) override { picture_ = path; }
    QString picture() const override { return picture_; }

private:
    QString picture_;
};

} // namespace plat
