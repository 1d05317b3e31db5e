// How a frame reaches the host's device context. Copying an 8-bit surface to
// a true-colour target makes the platform convert it through a buffer of
// width x height x 4 bytes, allocated on every call; above a few hundred
// kilobytes that allocation maps and zeroes fresh pages each time, which
// costs more than the conversion. So the copy goes out in strips below that
// size, and rows a frame left at entry 0 are filled with that entry's colour
// instead of being converted at all.
//
// Either keeps every pixel of one copy of the whole only on some targets. A
// strip is mapped to device pixels by itself, so on a scaled or transformed
// context its edges round apart from those of one copy, and a metafile keeps
// it as a record that playback stretches by itself. A fill takes the target's
// nearest colour, which a copy to a monochrome bitmap does not (only the
// source's background colour turns white there). So strips go only to a
// memory context or a display's that maps one unit to one pixel, and fills
// only where that context also holds a section of 8 or 32 bits or a 32-bit
// device bitmap; elsewhere on such a context the copy still goes out in
// strips. On a metafile, a printer's, or a scaling or transformed context
// the frame goes out as one copy.
#pragma once

#include <windows.h>

#include <algorithm>

namespace palette {

// At most this many bytes of 32-bit pixels per strip.
constexpr int kStripBytes = 256 * 1024;

// Rows per strip of a copy `width` pixels wide; at least one.
constexpr int StripRows(int width) { return std::max(kStripBytes / (4 * std::max(width, 1)), 1); }

// The rows of a frame's area, top down, that hold more than entry 0:
// from .. to - 1.
struct DrawnBand {
    int from;
    int to;
};

// Copies `width` x `rows` pixels from (0, sourceTop) of the 8-bit section
// that `source` holds to `at` on `target`, whose rows outside `drawn` hold
// entry 0 alone: the pixels of one copy of the whole, whatever the target.
void CopyFrame(HDC target, POINT at, int width, int rows, HDC source, int sourceTop, DrawnBand drawn);

}  // namespace palette
