#include "viewer/interaction/VisibleLines.h"

#include <algorithm>

namespace interaction {

bool VisibleLines::IsLaidOut(int line) const {
    return line >= first && line - first < static_cast<int>(origins.size());
}

POINT VisibleLines::Origin(int line) const { return IsLaidOut(line) ? origins[line - first] : kFirstLineOrigin; }

VisibleLines LayoutVisibleLines(model::Text& text, int first, int clientHeight) {
    VisibleLines lines;
    lines.first = first;
    int y = kFirstLineOrigin.y;
    // A negative first line lays nothing out.
    int index = first < 0 ? text.LineCount() : first;
    for (; index < text.LineCount(); ++index) {
        if (y >= clientHeight) break;
        lines.origins.push_back(POINT{kFirstLineOrigin.x, y});
        y += text.LineAt(index)->Height() + kLineGap;
    }
    const int placed = static_cast<int>(lines.origins.size());
    // The last line placed is not wholly visible when it, with its gap,
    // reaches the bottom edge, or when a further line did not fit at all.
    const bool lastCut = index < text.LineCount() || y >= clientHeight;
    lines.fullyVisible = placed == 0 ? 0 : lastCut ? placed - 1 : placed;
    return lines;
}

bool IsLineShown(const VisibleLines& lines, int line, int lineCount) {
    return line >= lines.first && (line < lines.PartialLine() || lines.PartialLine() >= lineCount - 1);
}

int ScrollStepTo(const VisibleLines& lines, int line) {
    return line < lines.first ? line - lines.first : line - lines.PartialLine();
}

model::TextPos ClampToScreen(model::Text& text, const VisibleLines& lines, model::TextPos pos) {
    if (text.LineCount() == 0 || lines.fullyVisible == 0) return {};
    int line = pos.line;
    if (line < lines.first) {
        line = lines.first;
    } else if (line >= lines.PartialLine()) {
        line = lines.PartialLine();
    } else {
        return pos;
    }
    model::Line* shown = text.LineAt(line);
    if (!shown) return {};
    return {std::min(pos.column, shown->CharCount()), line};
}

}  // namespace interaction
