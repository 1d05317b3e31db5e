#include "viewer/interaction/SelectionOutline.h"

#include <algorithm>

#include "winkit/GdiHandles.h"

namespace interaction {

std::vector<RECT> SelectionOutline(model::Text& text, const VisibleLines& lines, model::TextPos start,
                                   model::TextPos end) {
    std::vector<RECT> outline;
    const int lastShown = std::min(lines.PartialLine(), text.LineCount() - 1);
    if (start.line > lastShown || end.line < lines.first) return outline;
    if (start.line < lines.first) start = {0, lines.first};
    if (end.line > lastShown) end = {model::kEndOfLine, lastShown};
    for (int index = start.line; index <= end.line; ++index) {
        model::Line* line = text.LineAt(index);
        if (!line || !lines.IsLaidOut(index)) continue;
        const int from = index == start.line ? start.column : 0;
        const int to = index == end.line ? end.column : model::kEndOfLine;
        const POINT origin = lines.Origin(index);
        for (RECT rect : line->GetSelectionRects(from, to)) {
            OffsetRect(&rect, origin.x, origin.y);
            InflateRect(&rect, 1, 1);
            outline.push_back(rect);
        }
    }
    return outline;
}

void DrawOutline(HDC dc, const std::vector<RECT>& rects) {
    const winkit::Pen pen(CreatePen(PS_SOLID, 0, GetSysColor(COLOR_WINDOW)));
    const winkit::Selection penIn(dc, pen.get());
    const winkit::Selection brushIn(dc, GetStockObject(NULL_BRUSH));
    for (const RECT& rect : rects) Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

}  // namespace interaction
