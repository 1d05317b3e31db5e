// Finding a byte string in the lines of a text: from the text's start, or
// from the caret downwards or upwards, never wrapping around. A match starts
// only where a character starts, never on the second byte of a double-byte
// character. Half-width (single-byte) letters can be matched without regard
// to case; double-byte letters always keep their case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "viewer/model/Text.h"

namespace interaction {

// Single-byte A to Z become a to z; double-byte characters, half-width
// katakana and everything else stay as they are. The length never changes.
void FoldHalfWidthCase(std::string& bytes);

// A match: columns [startColumn, endColumn) of `line`.
struct FoundRange {
    int startColumn = 0;
    int endColumn = 0;
    int line = 0;

    friend bool operator==(const FoundRange&, const FoundRange&) = default;
};

class TextSearch {
public:
    // An empty pattern finds nothing.
    TextSearch(std::string_view pattern, bool foldCase);

    // The first match of the text.
    std::optional<FoundRange> FromStart(model::Text& text) const;
    // The first match starting at or after the caret.
    std::optional<FoundRange> Down(model::Text& text, model::TextPos caret) const;
    // The last match ending at or before the caret.
    std::optional<FoundRange> Up(model::Text& text, model::TextPos caret) const;

private:
    // The line's bytes, folded when the search folds; empty for a line without characters.
    std::string LineBytes(model::Text& text, int line) const;
    // The first match starting at or after byte `from`, or the last one
    // ending at or before byte `limit` when `last` is set.
    std::optional<FoundRange> InLine(const std::string& bytes, int line, std::size_t from, std::size_t limit,
                                     bool last) const;

    std::string pattern_;
    bool fold_;
};

}  // namespace interaction
