#pragma once
#include <QRect>
#include <cstdint>

namespace plat {

// Messages that a hooked window sees, numbered as the Windows messages they stand for, so
// that hook procedures read like their originals. The backends translate their own window
// system's events into these.
namespace wm {
constexpr int SIZE = 0x0005;
constexpr int ACTIVATE = 0x0006; // wParam: 0 inactive, 1 active, 2 activated by a click
constexpr int CLOSE = 0x0010;
constexpr int GETMINMAXINFO = 0x0024; // rect: maximised position and size to fill in
constexpr int NCMOUSEMOVE = 0x00A0;
constexpr int SIZING = 0x0214; // rect: proposed rectangle, may be changed
constexpr int MOVING = 0x0216; // rect: proposed rectangle, may be changed
constexpr int ENTERSIZEMOVE = 0x0231;
constexpr int EXITSIZEMOVE = 0x0232;
constexpr int NCMOUSELEAVE = 0x02A2;
constexpr int TRAYCALLBACK = 0x8015; // lParam: the tray notification (0x200.., 0x402..)

// SIZE wParam: the window's state after the change.
constexpr int SIZE_RESTORED = 0;
constexpr int SIZE_MINIMIZED = 1;
constexpr int SIZE_MAXIMIZED = 2;
// ACTIVATE wParam.
constexpr int WA_INACTIVE = 0;
constexpr int WA_ACTIVE = 1;
constexpr int WA_CLICKACTIVE = 2;
// SIZING wParam: the edge or corner being dragged.
constexpr int WMSZ_BOTTOMRIGHT = 8;

// Two 16-bit halves in one parameter, as SIZE (width, height) and NCMOUSEMOVE (x, y) carry them.
constexpr std::intptr_t makeLParam(int low, int high) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(high & 0xFFFF) << 16) |
                                      static_cast<std::uint32_t>(low & 0xFFFF));
}
} // namespace wm

struct WindowMessage {
    int msg = 0;
    std::intptr_t wParam = 0;
    std::intptr_t lParam = 0;
    QRect rect; // for MOVING, SIZING and GETMINMAXINFO, in pixels
    long result = 0;
};

namespace wm {
// A message as a window system generates it.
inline WindowMessage make(int msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0, const QRect& rect = QRect()) {
    WindowMessage m;
    m.msg = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.rect = rect;
    return m;
}
} // namespace wm

} // namespace plat
