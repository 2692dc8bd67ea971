#pragma once
#include "platform/sim/SimControl.h"

namespace plat {

class SimLabel : public SimControl<Label> {
public:
    using SimControl::SimControl;

    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    void setForeColor(uint32_t rgb) override { foreColor_ = rgb; }
    uint32_t foreColor() const override { return foreColor_; }
    void setFont(const QString& family, int pointSize, bool bold) override {
        fontFamily_ = family;
        fontPointSize_ = pointSize;
        bold_ = bold;
    }
    void setBackColor(uint32_t rgb) override { backColor_ = rgb; }
    // The fill colour; -1 while transparent.
    int64_t backColor() const { return backColor_; }
    QString fontFamily() const { return fontFamily_; }
    int fontPointSize() const { return fontPointSize_; }
    bool isBold() const { return bold_; }

private:
    QString text_;
    uint32_t foreColor_ = 0x000000;
    int64_t backColor_ = -1;
    QString fontFamily_;
    int fontPointSize_ = 9;
    bool bold_ = false;
};

} // namespace plat
