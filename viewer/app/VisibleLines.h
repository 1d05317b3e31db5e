// Where the lines of a text go in the view: the first visible line's top-left
// at (10, 5), each further line 3 pixels below the one above it.
#pragma once

#include <windows.h>

#include <vector>

#include "viewer/model/Text.h"

namespace viewer {

inline constexpr int kLineLeft = 10;
inline constexpr int kFirstLineTop = 5;
inline constexpr int kLineGap = 3;

struct VisibleLines {
    // Top-left of every line from the first visible one that starts above
    // the bottom edge; index 0 is the first visible line.
    std::vector<POINT> origins;
    // The wholly visible lines: the last laid-out line does not count when it
    // (with its gap) reaches the bottom edge.
    int count = 0;
};

// Lays the lines out from `first` (a line outside the text lays out none) in
// a client area `clientHeight` pixels high, reusing the storage of `out`.
void LayoutVisibleLines(model::Text& text, int first, int clientHeight, VisibleLines& out);

}  // namespace viewer
