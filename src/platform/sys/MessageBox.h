#pragma once
#include <QString>

namespace plat {

// Message box styles as the program composes them (values of the classic MsgBox flags).
namespace mb {
constexpr int OkOnly = 0x0;
constexpr int Critical = 0x10;
constexpr int Exclamation = 0x30;
constexpr int Information = 0x40;
constexpr int SystemModal = 0x1000;
constexpr int Foreground = 0x10000;
} // namespace mb

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows a modal box and returns when the user has answered it (always OK here).
    virtual void show(const QString& text, int style, const QString& caption) = 0;
};

} // namespace plat
