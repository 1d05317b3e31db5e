// Whether a font draws its text upright: no escapement and no orientation.
// Only an upright font's text call sets the same pixels about its reference
// point wherever the text stands (but for what a surface's edges cut off);
// a turned font's text lands a pixel apart at some places, so ink captured
// from one of its calls cannot be put down elsewhere.
#pragma once

#include <windows.h>

namespace palette {

inline bool IsUpright(HFONT font) {
    LOGFONTW described{};
    return GetObjectW(font, sizeof described, &described) == sizeof described && described.lfEscapement == 0 &&
           described.lfOrientation == 0;
}

}  // namespace palette
