// Which text and which run lie under a point of the view, in text
// coordinates. Only wholly visible lines are hit; the position lookup also
// reaches the partial line below but then answers the last wholly visible one.
#pragma once

#include <windows.h>

#include "viewer/interaction/VisibleLines.h"
#include "viewer/model/Paragraph.h"
#include "viewer/model/Text.h"

namespace interaction {

// A run under a point and the top-left of its hit rectangle; no run: null.
struct RunHit {
    const model::Paragraph* run = nullptr;
    POINT topLeft{};
};

// True when the point lies on a wholly visible line (top and bottom edges
// included) and between its left and right edges (both included).
bool IsPointOverText(model::Text& text, const VisibleLines& lines, POINT point);
// The nearest position on a wholly visible line: a point above the first
// line lands on it, one below the last wholly visible line on that one.
model::TextPos PointToPosition(model::Text& text, const VisibleLines& lines, POINT point);
// The run whose rectangle holds the point (right and bottom edges outside).
RunHit HitTestRun(model::Text& text, const VisibleLines& lines, POINT point);

}  // namespace interaction
