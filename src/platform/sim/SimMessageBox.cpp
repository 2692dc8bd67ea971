#include "platform/sim/SimMessageBox.h"
#include "platform/sim/SimConsole.h"

namespace plat {

void SimMessageBox::show(const QString& text, int style, const QString& caption) {
    shown_.push_back({text, style, caption});
    if (console_) console_->err(caption + QStringLiteral(": ") + text);
}

} // namespace plat
