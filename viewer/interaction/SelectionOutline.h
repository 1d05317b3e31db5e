// The outline of a selection: a rectangle around the part of every run on
// screen that the selection touches, one pixel larger on every side, drawn
// in the window colour without fill.
#pragma once

#include <windows.h>

#include <vector>

#include "viewer/interaction/VisibleLines.h"

namespace interaction {

// Rectangles in text coordinates for the range from `start` to `end`
// (ordered). Only lines on screen are outlined: a selection reaching above
// or below the screen is outlined from the first visible line's start or to
// the end of the partial line below.
std::vector<RECT> SelectionOutline(model::Text& text, const VisibleLines& lines, model::TextPos start,
                                   model::TextPos end);
void DrawOutline(HDC dc, const std::vector<RECT>& rects);

}  // namespace interaction
