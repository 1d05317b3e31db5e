// Copying a surface row into another surface's row moved sideways, the
// geometry of the swaying and waving effects. Columns that the shift would
// carry outside the row are dropped, so no shift ever writes outside it.
#pragma once

#include <windows.h>

#include <algorithm>

namespace palette {

// target[j + shift] = recolour(source[j]) for j = first .. last - 1, where
// j + shift stays within 0 .. width - 1.
template <class Recolour>
void CopyRowShifted(const BYTE* source, BYTE* target, int width, int first, int last, int shift,
                    Recolour&& recolour) {
    const int from = std::max({first, 0, -shift});
    const int to = std::min({last, width, width - shift});
    for (int j = from; j < to; ++j) target[j + shift] = recolour(source[j]);
}

}  // namespace palette
