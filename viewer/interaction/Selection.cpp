#include "viewer/interaction/Selection.h"

namespace interaction {

bool Selection::IsNonEmpty(const model::Text& text) const {
    return text.LineCount() > 0 && active_ && cursorSet_ && !(anchor_ == cursor_);
}

model::TextPos Selection::Start() const { return model::Ordered(anchor_, cursor_) ? anchor_ : cursor_; }

model::TextPos Selection::End() const { return model::Ordered(anchor_, cursor_) ? cursor_ : anchor_; }

void Selection::Clear() { active_ = cursorSet_ = false; }

void Selection::BeginAt(model::TextPos anchor) {
    anchor_ = anchor;
    cursorSet_ = false;
    active_ = true;
}

void Selection::Follow(model::TextPos pos) {
    if (!active_) return;
    cursor_ = pos;
    cursorSet_ = true;
}

void Selection::Set(model::TextPos anchor, model::TextPos cursor) {
    BeginAt(anchor);
    Follow(cursor);
}

}  // namespace interaction
