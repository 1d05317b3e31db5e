// What a range of a text covers, for the writers of ranges (text records and
// plain text): its lines with their column ranges, and within one line the
// runs with their character ranges. Columns are located as Line::FindRun
// does, so a column on a border between two runs belongs to the later run.
#pragma once

#include <cstddef>
#include <vector>

#include "viewer/model/Line.h"
#include "viewer/model/TextPos.h"

namespace model {

class Text;

// Columns [from, to) of one line; `to` kEndOfLine is the end of the line.
struct LineSpan {
    int line = 0;
    int from = 0;
    int to = kEndOfLine;
};

// Every line of the text, whole.
std::vector<LineSpan> SpanAllLines(const Text& text);
// The first line from its column, the lines between whole, the last line up
// to its column; one line from column to column when both ends lie on it.
// Nothing when a line does not exist or the ends are out of order.
std::vector<LineSpan> SpanLines(const Text& text, TextPos first, TextPos last);

// Characters [begin, end) of the line's run number `run`.
struct RunSlice {
    std::size_t run = 0;
    int begin = 0;
    int end = 0;
};

// The runs from the one holding `from` to the one holding `to` (the last run
// when `to` is kEndOfLine). A `to` on a border therefore ends with the run
// that starts there, sliced to no characters. Nothing on a line without runs.
std::vector<RunSlice> SliceRuns(const Line& line, int from, int to);

// True when the slice holds all of its run.
bool IsWhole(const Line& line, const RunSlice& slice);

}  // namespace model
