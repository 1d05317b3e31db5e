#include "viewer/interaction/TextSearch.h"

#include <algorithm>

#include "viewer/interaction/CaretMoves.h"
#include "textrun/Cp932.h"

namespace interaction {

void FoldHalfWidthCase(std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); i += textrun::cp932::CharSize(bytes, i)) {
        if (bytes[i] >= 'A' && bytes[i] <= 'Z') bytes[i] = static_cast<char>(bytes[i] - 'A' + 'a');
    }
}

TextSearch::TextSearch(std::string_view pattern, bool foldCase) : pattern_(pattern), fold_(foldCase) {
    if (fold_) FoldHalfWidthCase(pattern_);
}

std::string TextSearch::LineBytes(model::Text& text, int line) const {
    // A fresh buffer for every line: GetText leaves it alone for a line without characters.
    std::string bytes;
    text.LineAt(line)->GetText(bytes);
    if (fold_) FoldHalfWidthCase(bytes);
    return bytes;
}

std::optional<FoundRange> TextSearch::InLine(const std::string& bytes, int line, std::size_t from,
                                              std::size_t limit, bool last) const {
    std::optional<FoundRange> found;
    int column = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += textrun::cp932::CharSize(bytes, offset), ++column) {
        if (offset < from || offset + pattern_.size() > limit) continue;
        if (bytes.compare(offset, pattern_.size(), pattern_) != 0) continue;
        found = FoundRange{column, column + textrun::cp932::CharCount(std::string_view(bytes).substr(offset, pattern_.size())),
                           line};
        if (!last) break;
    }
    return found;
}

std::optional<FoundRange> TextSearch::FromStart(model::Text& text) const {
    return Down(text, model::TextPos{});
}

std::optional<FoundRange> TextSearch::Down(model::Text& text, model::TextPos caret) const {
    if (pattern_.empty() || text.LineCount() == 0) return std::nullopt;
    caret = ClampCaret(text, caret);
    for (int line = caret.line; line < text.LineCount(); ++line) {
        const std::string bytes = LineBytes(text, line);
        const std::size_t from = line == caret.line ? textrun::cp932::CharToByte(bytes, caret.column) : 0;
        if (auto found = InLine(bytes, line, from, bytes.size(), false)) return found;
    }
    return std::nullopt;
}

std::optional<FoundRange> TextSearch::Up(model::Text& text, model::TextPos caret) const {
    if (pattern_.empty() || text.LineCount() == 0) return std::nullopt;
    caret = ClampCaret(text, caret);
    for (int line = caret.line; line >= 0; --line) {
        const std::string bytes = LineBytes(text, line);
        const std::size_t limit = line == caret.line ? textrun::cp932::CharToByte(bytes, caret.column) : bytes.size();
        if (auto found = InLine(bytes, line, 0, limit, true)) return found;
    }
    return std::nullopt;
}

}  // namespace interaction
