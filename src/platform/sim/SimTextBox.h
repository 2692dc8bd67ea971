#pragma once
#include "platform/sim/SimControl.h"

namespace plat {

class SimTextBox : public SimControl<TextBox> {
public:
    using SimControl::SimControl;

    void setText(const QString& text) override { text_ = text; }
    QString text() const override { return text_; }
    void setPassword(bool on) override { password_ = on; }
    bool isPassword() const { return password_; }
    void setMultiLine(bool on) override { multiLine_ = on; }
    bool isMultiLine() const { return multiLine_; }
    // Takes the window's focus; onGotFocus when the focus moved here.
    void setFocus() override;
    bool hasFocus() const { return window().focusedControl() == this; }

    // A click focuses the box first, then raises onClick.
    void userClick() override;
    // Typing focuses the box and appends text.
    void userType(const QString& text);

private:
    QString text_;
    bool password_ = false;
    bool multiLine_ = false;
};

} // namespace plat
