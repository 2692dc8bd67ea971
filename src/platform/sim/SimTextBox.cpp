#include "platform/sim/SimTextBox.h"

namespace plat {

void SimTextBox::setFocus() {
    if (reachable() && window().focusControl(this) && onGotFocus) onGotFocus();
}

void SimTextBox::userClick() {
    setFocus();
    SimControl::userClick();
}

void SimTextBox::userType(const QString& text) {
    if (!reachable()) return;
    setFocus();
    text_ += text;
}

} // namespace plat
