#pragma once
#include "platform/sys/MessageBox.h"
#include <vector>

namespace plat {

class SimConsole;

struct SimShownBox {
    QString text;
    int style = 0;
    QString caption;
};

// Message boxes that answer OK at once. Each is recorded; with a console (headless) it is
// also printed on standard error as one line "caption: text".
class SimMessageBox : public MessageBox {
public:
    explicit SimMessageBox(SimConsole* console) : console_(console) {}

    void show(const QString& text, int style, const QString& caption) override;
    const std::vector<SimShownBox>& shown() const { return shown_; }

private:
    SimConsole* console_;
    std::vector<SimShownBox> shown_;
};

} // namespace plat
