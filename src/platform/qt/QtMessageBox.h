#pragma once
#include "platform/sys/MessageBox.h"

namespace plat {

// A modal QMessageBox with an OK button: the icon from the style's icon bits, the caption,
// above every other window when the style asks for a system-modal or foreground box.
class QtMessageBox : public MessageBox {
public:
    void show(const QString& text, int style, const QString& caption) override;
};

} // namespace plat
