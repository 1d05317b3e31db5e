// Where the caret goes: the targets of the navigation keys, worked out on the
// text alone. Columns count characters (a double-byte character is one); a
// line's end is its character count. Scrolling the target into view is the
// caller's part (VisibleLines).
#pragma once

#include <windows.h>

#include "viewer/model/Text.h"

namespace interaction {

enum class CaretKey {
    None,
    PageUp,
    PageDown,
    LineStart,
    LineEnd,
    DocumentStart,
    DocumentEnd,
    Left,
    Up,
    Right,
    Down,
};

// The move a virtual key asks for; Ctrl turns Home and End into the text's
// start and end. Keys without a move give None.
CaretKey CaretKeyOf(UINT virtualKey, bool ctrl);
// Only the arrows extend or clear the selection.
bool IsArrow(CaretKey key);

// Inside the text: the line within its lines and the column within that
// line's characters; an empty text has only (0, 0).
model::TextPos ClampCaret(model::Text& text, model::TextPos pos);
// `count` lines up (negative) or down, stopping at the first and last line;
// the column is lowered to a shorter target line's end and not remembered.
model::TextPos LinesTarget(model::Text& text, model::TextPos caret, int count);
// One character left (-1) or right (+1), wrapping to the end of the line
// above or the start of the line below; the text's ends hold the caret.
model::TextPos ColumnsTarget(model::Text& text, model::TextPos caret, int step);
// Home, End, Ctrl+Home and Ctrl+End.
model::TextPos EdgeTarget(model::Text& text, model::TextPos caret, CaretKey edge);

}  // namespace interaction
