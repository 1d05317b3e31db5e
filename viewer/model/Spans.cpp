#include "viewer/model/Spans.h"

#include <limits>

#include "viewer/model/Text.h"

namespace model {

std::vector<LineSpan> SpanAllLines(const Text& text) {
    std::vector<LineSpan> spans;
    for (int line = 0; line < text.LineCount(); ++line) spans.push_back({line, 0, kEndOfLine});
    return spans;
}

std::vector<LineSpan> SpanLines(const Text& text, TextPos first, TextPos last) {
    if (!text.LineAt(first.line) || !text.LineAt(last.line) || !Ordered(first, last)) return {};
    if (first.line == last.line) return {{first.line, first.column, last.column}};
    std::vector<LineSpan> spans{{first.line, first.column, kEndOfLine}};
    for (int line = first.line + 1; line < last.line; ++line) spans.push_back({line, 0, kEndOfLine});
    spans.push_back({last.line, 0, last.column});
    return spans;
}

std::vector<RunSlice> SliceRuns(const Line& line, int from, int to) {
    if (line.RunCount() == 0) return {};
    // Any column past the line's characters finds the end of its last run,
    // also on a line longer than kEndOfLine characters.
    const RunPos first = line.FindRun(from);
    const RunPos last = line.FindRun(to == kEndOfLine ? std::numeric_limits<int>::max() : to);
    std::vector<RunSlice> slices;
    for (std::size_t run = first.run; run <= last.run; ++run) {
        slices.push_back(
            {run, run == first.run ? first.offset : 0, run == last.run ? last.offset : line.Run(run).CharCount()});
    }
    return slices;
}

bool IsWhole(const Line& line, const RunSlice& slice) {
    return slice.begin == 0 && slice.end == line.Run(slice.run).CharCount();
}

}  // namespace model
