#include "viewer/interaction/HitTest.h"

#include <algorithm>

namespace interaction {

bool IsPointOverText(model::Text& text, const VisibleLines& lines, POINT point) {
    for (int row = 0; row < lines.fullyVisible; ++row) {
        const int index = lines.first + row;
        model::Line* line = text.LineAt(index);
        if (!line || !lines.IsLaidOut(index)) break;
        const POINT origin = lines.Origin(index);
        if (point.y < origin.y || point.y > origin.y + line->Height()) continue;
        return point.x >= origin.x && point.x <= origin.x + line->Width();
    }
    return false;
}

model::TextPos PointToPosition(model::Text& text, const VisibleLines& lines, POINT point) {
    // The line of a laid-out row, or null.
    const auto rowLine = [&](int row) { return lines.IsLaidOut(lines.first + row) ? text.LineAt(lines.first + row) : nullptr; };
    int column = 0;
    int row = -1;
    for (int i = 0; i <= lines.fullyVisible; ++i) {
        model::Line* line = rowLine(i);
        if (line && point.y <= lines.origins[i].y + line->Height()) {
            column = line->HitTest(point.x - lines.origins[i].x);
            row = i;
            break;
        }
    }
    if (row < 0 || row >= lines.fullyVisible) {
        // With no line wholly visible the first laid-out line stands in.
        row = std::max(lines.fullyVisible - 1, 0);
        if (model::Line* line = rowLine(row)) column = line->HitTest(point.x - lines.origins[row].x);
    }
    return {column, lines.first + row};
}

RunHit HitTestRun(model::Text& text, const VisibleLines& lines, POINT point) {
    if (!IsPointOverText(text, lines, point)) return {};
    const model::TextPos pos = PointToPosition(text, lines, point);
    model::Line* line = text.LineAt(pos.line);
    if (!line) return {};
    const POINT origin = lines.Origin(pos.line);
    const std::vector<RECT> rects = line->GetSelectionRects(0, model::kEndOfLine);
    for (size_t i = 0; i < rects.size() && i < line->RunCount(); ++i) {
        RECT rect = rects[i];
        OffsetRect(&rect, origin.x, origin.y);
        if (PtInRect(&rect, point)) return {&line->Run(i), POINT{rect.left, rect.top}};
    }
    return {};
}

}  // namespace interaction
