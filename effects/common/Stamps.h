// Small marks put on a surface at a point: the five-pixel plus of the drops,
// the 5 x 3 star of the wand and the hot spot, and the pointer's place on a
// surface kept off its edges.
#pragma once

#include <windows.h>

#include <cstddef>

#include "effects/common/Kernels.h"

namespace palette {

// The point the stamps centre on: row y + 1 of the surface (as the falling
// and rising effects place their drops), column x.
inline std::ptrdiff_t StampCentre(const Plane& plane, int x, int y) {
    return static_cast<std::ptrdiff_t>(y + 1) * plane.stride + x;
}

// A plus of five pixels: the centre, left and right, above and below.
inline void StampPlus(const Plane& plane, std::ptrdiff_t at, BYTE value) {
    BYTE* p = plane.pixels;
    const std::ptrdiff_t stride = plane.stride;
    p[at - 1] = p[at] = p[at + 1] = p[at + stride] = p[at - stride] = value;
}


// Rows row - 1 .. row + 1 (memory rows), columns column - 2 .. column + 2.
inline void StampStar(const Plane& plane, int column, int row, BYTE value) {
    for (int r = row - 1; r <= row + 1; ++r) {
        BYTE* line = plane.pixels + static_cast<std::ptrdiff_t>(r) * plane.stride;
        for (int c = column - 2; c <= column + 2; ++c) line[c] = value;
    }
}

// Where the pointer is on a run's surface, kept 5 pixels off every edge so
// that a star fits: its column, and its row counted from the bottom row.
// Each coordinate is taken only where it lies strictly inside the margins;
// the spot is valid only when both do.
struct MarginSpot {
    static constexpr int kMargin = 5;

    void Follow(POINT pointer, int cx, int cy) {
        valid = true;
        if (kMargin < pointer.x && pointer.x < cx - kMargin) column = pointer.x;
        else valid = false;
        if (kMargin < pointer.y && pointer.y < cy - kMargin) row = cy - pointer.y;
        else valid = false;
    }

    int column = 0;
    int row = 0;
    bool valid = false;
};

}  // namespace palette
