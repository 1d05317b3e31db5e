// Stretching the text upward from its baseline, row by row: the geometry of
// the stilt effects and of Singing. Rows are counted in memory order, so row
// 0 is the bottom row of the picture and the baseline stays where it is.
#pragma once

#include <algorithm>
#include <cmath>

namespace palette {

// The largest stretch a block asks for counts from 1 (a value that is not a
// number counts as 1): below 1 the first row would map below the surface.
// Above, any value stands; an area too tall for a surface is not built.
inline double BoundedStretch(double maximum) { return maximum >= 1.0 ? maximum : 1.0; }

// The height of a text cell of `cy` rows stretched by at most `maximum`,
// truncated; heights far beyond any surface all come out as one such height.
inline long long StretchedHeight(long long cy, double maximum) {
    constexpr double kBeyondAnySurface = 0x1p62;
    const double height = static_cast<double>(cy) * BoundedStretch(maximum);
    // Not a number too: an empty cell times an infinite stretch.
    if (!(height < kBeyondAnySurface)) return static_cast<long long>(kBeyondAnySurface);
    return static_cast<long long>(height);
}

// The factor that a wave value of -1 .. 1 stands for: 1 at the trough, the
// maximum (from 1) at the crest.
inline double StretchFactor(double wave, double maximum) {
    const double bounded = BoundedStretch(maximum);
    return (wave * (bounded - 1) + (bounded + 1)) * 0.5;
}

// Whether the topmost row of the text cell is stretched too.
enum class TopRow { Skipped, Stretched };

// Maps source rows 0 .. rows - 1 (the text cell's rows, rows - 2 when the top
// row is skipped) by `factor`: source row j - 1 lands on output row
// trunc(j * factor) - 1, at most the top row of a surface of `height` rows,
// and also fills the rows the stretch skipped below it. `copy(source, first,
// last)` gets each source row with the output rows first .. last it covers.
// A factor below 1 (or not a number) counts as 1, so no row lands below the
// surface; however large it is, no row lands above it.
template <class CopyRows>
void StretchRows(int rows, TopRow top, double factor, int height, CopyRows&& copy) {
    factor = BoundedStretch(factor);
    const int last = std::min(top == TopRow::Skipped ? rows - 1 : rows, height);
    int cursor = 1;
    for (int j = 1; j <= last; ++j) {
        const int m = static_cast<int>(std::min(j * factor, static_cast<double>(height)));
        copy(j - 1, std::min(cursor, m) - 1, m - 1);
        cursor = m + 1;
    }
}

}  // namespace palette
