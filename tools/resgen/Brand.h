#pragma once
#include <QColor>

// The colours of the program's look, shared by the pages' images, the dialogs' images and
// the icons. The page's own colours (public.css) use the same values.
namespace brand {

inline const QColor header{0x00, 0x59, 0xa8}; // header and footer bars, dialog title strips
inline const QColor headerDeep{0x00, 0x47, 0x8a};
inline const QColor bright{0x00, 0x77, 0xde}; // selected tab
inline const QColor sky{0x00, 0x94, 0xe4};
inline const QColor gold{0xf5, 0xb8, 0x2e};
inline const QColor ink{0x1f, 0x2d, 0x3d};
inline const QColor slate{0x3a, 0x4a, 0x66};
inline const QColor frame{1, 90, 168};            // dialog frame lines
inline const QColor dialogBody{0xf5, 0xf8, 0xfc}; // dialog background, matte of dialog images
inline const QColor tabIdle{0xe6, 0xee, 0xf7};
inline const QColor alert{0xe8, 0x3b, 0x3b};
inline const QColor amber{0xf5, 0x9e, 0x0b};
inline const QColor captionTop{0xf7, 0xf9, 0xfc}; // popup caption band
inline const QColor captionBottom{0xdc, 0xe5, 0xf1};
inline const QColor quoteHandle{0x1f, 0x78, 0xc8}; // quote centre collapse handle

} // namespace brand
