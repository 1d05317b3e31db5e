#include "effects/common/InkSpans.h"

#include <algorithm>
#include <cstring>

namespace palette {

InkFound ScanInk(const Plane& plane, int width, const InkWindow& window, POINT origin, std::vector<InkSpan>& spans) {
    InkFound found;
    for (int row = window.top; row < window.bottom; ++row) {
        BYTE* pixels = plane.pixels + static_cast<std::ptrdiff_t>(plane.height - 1 - row) * plane.stride;
        for (int x = window.left; x < window.right;) {
            if (!pixels[x]) {
                ++x;
                continue;
            }
            const int start = x;
            if (found.count == 0) {
                found.entry = pixels[x];
                found.top = row;
            }
            while (x < window.right && pixels[x]) {
                found.oneEntry = found.oneEntry && pixels[x] == found.entry;
                ++x;
            }
            spans.push_back({static_cast<std::int16_t>(row - origin.y), static_cast<std::int16_t>(start - origin.x),
                             static_cast<std::int16_t>(x - start)});
            found.atEdge = found.atEdge || row == 0 || row == plane.height - 1 || start == 0 || x == width;
            found.bottom = row + 1;
            ++found.count;
        }
        std::memset(pixels + window.left, 0, window.right - window.left);
    }
    return found;
}

void PutInk(std::span<const InkSpan> spans, BYTE entry, POINT offset, const Plane& plane, int width, RowRange& rows) {
    for (const InkSpan& span : spans) {
        const int row = span.row + offset.y;
        const int from = std::max<int>(span.x + offset.x, 0);
        const int to = std::min<int>(span.x + span.length + offset.x, width);
        if (row < 0 || row >= plane.height || to <= from) continue;
        const int memoryRow = plane.height - 1 - row;
        std::memset(plane.pixels + static_cast<std::ptrdiff_t>(memoryRow) * plane.stride + from, entry, to - from);
        rows.Add(memoryRow);
    }
}

}  // namespace palette
