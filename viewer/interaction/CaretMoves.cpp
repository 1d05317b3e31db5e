#include "viewer/interaction/CaretMoves.h"

#include <algorithm>

namespace interaction {
namespace {

int CountOf(model::Text& text, int line) { return text.LineAt(line)->CharCount(); }

}  // namespace

CaretKey CaretKeyOf(UINT virtualKey, bool ctrl) {
    switch (virtualKey) {
    case VK_PRIOR: return CaretKey::PageUp;
    case VK_NEXT: return CaretKey::PageDown;
    case VK_END: return ctrl ? CaretKey::DocumentEnd : CaretKey::LineEnd;
    case VK_HOME: return ctrl ? CaretKey::DocumentStart : CaretKey::LineStart;
    case VK_LEFT: return CaretKey::Left;
    case VK_UP: return CaretKey::Up;
    case VK_RIGHT: return CaretKey::Right;
    case VK_DOWN: return CaretKey::Down;
    }
    return CaretKey::None;
}

bool IsArrow(CaretKey key) {
    return key == CaretKey::Left || key == CaretKey::Up || key == CaretKey::Right || key == CaretKey::Down;
}

model::TextPos ClampCaret(model::Text& text, model::TextPos pos) {
    if (text.LineCount() == 0) return {};
    const int line = std::clamp(pos.line, 0, text.LineCount() - 1);
    return {std::clamp(pos.column, 0, CountOf(text, line)), line};
}

model::TextPos LinesTarget(model::Text& text, model::TextPos caret, int count) {
    if (text.LineCount() == 0) return {};
    caret = ClampCaret(text, caret);
    const int line = std::clamp(caret.line + count, 0, text.LineCount() - 1);
    return {std::min(caret.column, CountOf(text, line)), line};
}

model::TextPos ColumnsTarget(model::Text& text, model::TextPos caret, int step) {
    if (text.LineCount() == 0) return {};
    caret = ClampCaret(text, caret);
    const int column = caret.column + step;
    if (column < 0) return caret.line > 0 ? model::TextPos{CountOf(text, caret.line - 1), caret.line - 1} : model::TextPos{};
    const int count = CountOf(text, caret.line);
    if (column <= count) return {column, caret.line};
    if (caret.line < text.LineCount() - 1) return {0, caret.line + 1};
    return {count, caret.line};
}

model::TextPos EdgeTarget(model::Text& text, model::TextPos caret, CaretKey edge) {
    if (text.LineCount() == 0) return {};
    caret = ClampCaret(text, caret);
    const int last = text.LineCount() - 1;
    switch (edge) {
    case CaretKey::LineStart: return {0, caret.line};
    case CaretKey::LineEnd: return {CountOf(text, caret.line), caret.line};
    case CaretKey::DocumentStart: return {};
    case CaretKey::DocumentEnd: return {CountOf(text, last), last};
    default: return caret;
    }
}

}  // namespace interaction
