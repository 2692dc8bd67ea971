#pragma once

namespace plat {

// Qt's key codes as the Windows virtual-key codes that the program's key handlers compare
// with (13 Enter, 27 Esc, 116 F5...). Letters and digits are their upper-case ASCII codes in
// both; keys without a counterpart give 0.
class QtVirtualKey {
public:
    static int fromQtKey(int key);
};

} // namespace plat
