// Stretching the text upward from its baseline, row by row: the geometry of
// the stilt effects and of Singing. Rows are counted in memory order, so row
// 0 is the bottom row of the picture and the baseline stays where it is.
#pragma once

#include <algorithm>
#include <cmath>

namespace palette {

// The largest stretch a block may ask for is kept to 1 .. 16 (a value that is
// not a number counts as 1): below 1 the first row would map below the
// surface, and a huge one would make a surface of absurd height.
constexpr double kLargestStretch = 16.0;

inline double BoundedStretch(double maximum) {
    if (!(maximum >= 1.0)) return 1.0;
    return std::min(maximum, kLargestStretch);
}

// The height of a text cell of `cy` rows stretched by at most `maximum`.
inline int StretchedHeight(int cy, double maximum) { return static_cast<int>(cy * BoundedStretch(maximum)); }

// The factor that a wave value of -1 .. 1 stands for: 1 at the trough, the
// (bounded) maximum at the crest.
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
// surface; one above the largest stretch counts as the largest.
template <class CopyRows>
void StretchRows(int rows, TopRow top, double factor, int height, CopyRows&& copy) {
    factor = BoundedStretch(factor);
    const int last = std::min(top == TopRow::Skipped ? rows - 1 : rows, height);
    int cursor = 1;
    for (int j = 1; j <= last; ++j) {
        const int m = std::min(static_cast<int>(j * factor), height);
        copy(j - 1, std::min(cursor, m) - 1, m - 1);
        cursor = m + 1;
    }
}

}  // namespace palette
