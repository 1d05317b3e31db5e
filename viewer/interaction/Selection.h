// The document's selection: where it began (the anchor), its moving end (the
// cursor) and two flags. It is being made or exists while active; the cursor
// counts only once it is set. A selection whose two ends are equal is empty:
// it is neither drawn nor copied.
#pragma once

#include "viewer/model/Text.h"

namespace interaction {

class Selection {
public:
    bool IsActive() const { return active_; }
    bool IsCursorSet() const { return cursorSet_; }
    model::TextPos Anchor() const { return anchor_; }
    model::TextPos Cursor() const { return cursor_; }

    // The text has lines, both flags are set and the ends differ.
    bool IsNonEmpty(const model::Text& text) const;
    // The earlier and the later end, by line, then column.
    model::TextPos Start() const;
    model::TextPos End() const;

    void Clear();
    // Starts a selection at `anchor`; the cursor is not set yet.
    void BeginAt(model::TextPos anchor);
    // The cursor follows `pos` while the selection is active.
    void Follow(model::TextPos pos);
    // A finished selection from `anchor` to `cursor`.
    void Set(model::TextPos anchor, model::TextPos cursor);

private:
    bool active_ = false;
    bool cursorSet_ = false;
    model::TextPos anchor_;
    model::TextPos cursor_;
};

}  // namespace interaction
