// Rows of a surface, for frames that leave rows at entry 0: the rows in
// memory order (row 0 is the bottom row of the picture), and the rows of a
// plane that hold anything but entry 0.
#pragma once

#include "effects/common/Kernels.h"

namespace palette {

// Rows first .. last; none when last is below first.
struct RowRange {
    int first = 0;
    int last = -1;

    // Widens the range to take `row`.
    void Add(int row) {
        if (last < first) {
            first = last = row;
            return;
        }
        if (row < first) first = row;
        if (row > last) last = row;
    }
};

// The lowest and the highest row of the plane with a pixel other than 0
// (none when every pixel is 0), found from both ends.
RowRange InkedRows(const Plane& plane);

}  // namespace palette
