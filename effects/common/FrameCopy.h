// How a frame reaches the host's device context. Copying an 8-bit surface to
// a true-colour target makes the platform convert it through a buffer of
// width x height x 4 bytes, allocated on every call; above a few hundred
// kilobytes that allocation maps and zeroes fresh pages each time, which
// costs more than the conversion. So the copy goes out in strips below that
// size, and rows a frame left at entry 0 are filled with that entry's colour
// instead of being converted at all.
#pragma once

#include <windows.h>

#include <algorithm>

namespace palette {

// At most this many bytes of 32-bit pixels per strip.
constexpr int kStripBytes = 256 * 1024;

// Rows per strip of a copy `width` pixels wide; at least one.
constexpr int StripRows(int width) { return std::max(kStripBytes / (4 * std::max(width, 1)), 1); }

// Copies `width` x `rows` pixels from (0, sourceTop) of `source` to `at` on
// `target`, strip by strip: the same pixels as one copy of the whole.
void CopyInStrips(HDC target, POINT at, int width, int rows, HDC source, int sourceTop);

// Fills `width` x `rows` pixels at `at` on `target` with the colour a copied
// pixel of `colour` takes there: the target's nearest colour, so that a
// palette target gets the entry a copy would give, undithered. The target's
// brush and its brush colour stay as they were; its raster operation does
// not apply.
void FillAsCopied(HDC target, POINT at, int width, int rows, COLORREF colour);

}  // namespace palette
