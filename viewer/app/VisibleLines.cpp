#include "viewer/app/VisibleLines.h"

namespace viewer {

void LayoutVisibleLines(model::Text& text, int first, int clientHeight, VisibleLines& out) {
    out.origins.clear();
    out.count = 0;
    if (first < 0) return;
    int y = kFirstLineTop;
    for (int index = first; index < text.LineCount(); ++index) {
        if (y >= clientHeight) break;
        model::Line& line = *text.LineAt(index);
        out.origins.push_back(POINT{kLineLeft, y});
        y += line.Height() + kLineGap;
    }
    const int laidOut = static_cast<int>(out.origins.size());
    out.count = laidOut > 0 && y >= clientHeight ? laidOut - 1 : laidOut;
}

}  // namespace viewer
