#pragma once
#include <QRect>
#include <QString>
#include <cstdint>

namespace plat { class Label; class Screen; class Window; }

// What the program's own dialogs are drawn with: their text colours, labels and place.
namespace DialogDrawing {

inline constexpr uint32_t TitleColor = 0xFFFFFF;     // on the title strip
inline constexpr uint32_t TextColor = 0x333333;
inline constexpr uint32_t LinkColor = 0x416FC6;      // RGB(65, 111, 198)
inline constexpr uint32_t WarningColor = 0xD03020;
inline constexpr uint32_t StatusColor = 0x1F4E9C;

// A label on the window, in the dialogs' font.
plat::Label* addLabel(plat::Window& window, const QRect& r, const QString& text, uint32_t color,
                      int pointSize = 9, bool bold = false);
// The window at that size in the middle of the work area.
void placeCentred(plat::Window& window, const plat::Screen& screen, const QSize& size);

} // namespace DialogDrawing
