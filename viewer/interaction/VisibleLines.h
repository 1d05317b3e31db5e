// The lines on screen: where each laid-out line starts and how many of them
// are wholly visible. Points are in text coordinates: the view's horizontal
// scroll offset is added to mouse points and taken off when drawing.
#pragma once

#include <windows.h>

#include <vector>

#include "viewer/model/Text.h"

namespace interaction {

// The first visible line starts here; each further line starts this many
// pixels below the bottom of the one before.
inline constexpr POINT kFirstLineOrigin{10, 5};
inline constexpr int kLineGap = 3;

struct VisibleLines {
    int first = 0;         // the text line drawn at the top
    int fullyVisible = 0;  // lines wholly inside the client area, from `first`
    // Every line from `first` that starts above the bottom edge, in order.
    std::vector<POINT> origins;

    // The line just after the wholly visible ones, partly shown or not at all.
    int PartialLine() const { return first + fullyVisible; }
    bool IsLaidOut(int line) const;
    // A line that was not laid out answers the first line's origin.
    POINT Origin(int line) const;
};

// Lays out the lines from `first` (not below 0) in a client area `clientHeight`
// pixels high.
VisibleLines LayoutVisibleLines(model::Text& text, int first, int clientHeight);

// A line is shown when it is at or after the first visible line and either
// wholly visible or the text's end is on screen.
bool IsLineShown(const VisibleLines& lines, int line, int lineCount);
// The lines to scroll for a line that is not shown: one above the screen
// becomes the first visible line, one below it the partial line below.
int ScrollStepTo(const VisibleLines& lines, int line);
// Where a position is shown: one above the screen on the first visible line,
// one below it on the partial line below, the column lowered to that line's
// character count; (0, 0) for an empty text or when no line is wholly visible.
model::TextPos ClampToScreen(model::Text& text, const VisibleLines& lines, model::TextPos pos);

}  // namespace interaction
