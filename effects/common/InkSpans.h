// Ink kept as runs along rows: what the stamps take of a text call's pixels
// in a scratch surface, and how they put them down again in a surface, in
// one entry, moved and cut at its edges.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "effects/common/Kernels.h"
#include "effects/common/RowRange.h"

namespace palette {

struct InkSpan {
    std::int16_t row;  // context row, top down
    std::int16_t x;
    std::int16_t length;
};

// Part of a surface's context: columns left .. right - 1, rows top .. bottom - 1.
struct InkWindow {
    int left, top, right, bottom;
};

// What a scan found.
struct InkFound {
    std::uint32_t count = 0;   // spans added
    int top = 0, bottom = 0;   // the context rows they reach: top .. bottom - 1
    BYTE entry = 0;            // the entry of the first ink met
    bool oneEntry = true;      // every ink pixel holds that entry
    bool atEdge = false;       // some ink lies on the plane's outermost rows or columns
};

// Adds the runs of nonzero pixels within `window` of a bottom-up plane,
// `width` pixels wide, to `spans`, placed relative to `origin`, and clears
// the window.
InkFound ScanInk(const Plane& plane, int width, const InkWindow& window, POINT origin, std::vector<InkSpan>& spans);

// Sets the pixels of `spans`, moved by `offset`, to `entry` in a bottom-up
// plane `width` pixels wide, leaving out what falls beyond its edges, and
// adds the memory rows it set to `rows`.
void PutInk(std::span<const InkSpan> spans, BYTE entry, POINT offset, const Plane& plane, int width, RowRange& rows);

}  // namespace palette
