#include "viewer/interaction/ViewInteraction.h"

#include "viewer/interaction/ClipboardCopy.h"
#include "viewer/interaction/SelectionOutline.h"

namespace interaction {

model::TextPos ViewInteraction::PositionAt(POINT point) {
    return PointToPosition(host_.DocumentText(), host_.Layout(), point);
}

void ViewInteraction::OnMouseMove(POINT client) {
    const POINT point = ToText(client);
    mouse_.Move(HitTestRun(host_.DocumentText(), host_.Layout(), point), point);
    if (buttonDown_ && host_.HasCapture()) DragTo(point);
}

void ViewInteraction::OnLButtonDown(POINT client) {
    const POINT point = ToText(client);
    mouse_.ButtonDown(HitTestRun(host_.DocumentText(), host_.Layout(), point), point);
    buttonDown_ = true;
    const model::TextPos pos = PositionAt(point);
    // Also an empty selection goes: its anchor would otherwise turn into a
    // stale range once the release sets the cursor.
    InvalidateSelectionChange();
    host_.DocumentSelection().Clear();
    SetCaretLine(pos);
    if (!host_.HasCapture()) host_.CaptureMouse();
}

void ViewInteraction::OnLButtonUp(POINT client) {
    if (!buttonDown_ || !host_.HasCapture()) return;
    buttonDown_ = false;
    SetCaretLine(PositionAt(ToText(client)));
    host_.DocumentSelection().Follow(caret_);
    host_.ReleaseMouse();
}

void ViewInteraction::DragTo(POINT point) {
    const model::TextPos pos = PositionAt(point);
    if (pos == caret_) return;
    Selection& selection = host_.DocumentSelection();
    if (selection.IsNonEmpty(host_.DocumentText())) {
        InvalidateSelectionChange();
    } else {
        selection.BeginAt(caret_);
    }
    SetCaretLine(pos);
    selection.Follow(caret_);
    DrawSelection();
}

void ViewInteraction::OnKeyDown(UINT virtualKey, bool ctrl, bool shift) {
    const CaretKey key = CaretKeyOf(virtualKey, ctrl);
    switch (key) {
    case CaretKey::None: return;
    case CaretKey::PageUp: MoveCaretPage(false); return;
    case CaretKey::PageDown: MoveCaretPage(true); return;
    case CaretKey::LineStart:
    case CaretKey::LineEnd:
    case CaretKey::DocumentStart:
    case CaretKey::DocumentEnd: MoveCaretTo(key); return;
    default: MoveCaretByKey(key, shift); return;
    }
}

void ViewInteraction::MoveCaretByKey(CaretKey key, bool shift) {
    UpdateShiftSelection(shift);
    switch (key) {
    case CaretKey::Up: MoveCaretLines(-1); break;
    case CaretKey::Down: MoveCaretLines(1); break;
    case CaretKey::Left: MoveCaretColumns(-1); break;
    default: MoveCaretColumns(1); break;
    }
    host_.DocumentSelection().Follow(caret_);
    DrawSelection();
}

void ViewInteraction::UpdateShiftSelection(bool shift) {
    Selection& selection = host_.DocumentSelection();
    const bool nonEmpty = selection.IsNonEmpty(host_.DocumentText());
    if (shift) {
        if (nonEmpty) {
            InvalidateSelectionChange();
        } else {
            selection.BeginAt(caret_);
        }
        return;
    }
    // Without Shift every selection goes, an empty one too: its cursor would
    // otherwise follow the caret away from the old anchor.
    if (nonEmpty) InvalidateSelectionChange();
    selection.Clear();
}

void ViewInteraction::OnEditSelectAll() {
    model::Text& text = host_.DocumentText();
    if (text.LineCount() == 0) return;
    const int last = text.LineCount() - 1;
    host_.DocumentSelection().Set(model::TextPos{}, model::TextPos{text.LineAt(last)->CharCount(), last});
    host_.Invalidate(nullptr);
}

bool ViewInteraction::CanCopy() { return host_.DocumentSelection().IsNonEmpty(host_.DocumentText()); }

bool ViewInteraction::OnEditCopy() {
    // Accelerators reach here without the menu's check: refuse an empty selection.
    if (!CanCopy()) return false;
    const Selection& selection = host_.DocumentSelection();
    const bool copied = CopyToClipboard(host_.DocumentText(), selection.Start(), selection.End());
    host_.Invalidate(nullptr);
    return copied;
}

void ViewInteraction::OnDocumentChanged() {
    mouse_.Forget();
    SetCaretLine(model::TextPos{});
    buttonDown_ = false;
    if (host_.HasCapture()) host_.ReleaseMouse();
}

void ViewInteraction::SelectFound(const FoundRange& match, bool upwards) {
    host_.DocumentSelection().Set(model::TextPos{match.startColumn, match.line},
                                  model::TextPos{match.endColumn, match.line});
    SetCaretLine(model::TextPos{upwards ? match.startColumn : match.endColumn, match.line});
    host_.Invalidate(nullptr);
}

void ViewInteraction::ScrollIntoView(int line) {
    const VisibleLines& lines = host_.Layout();
    if (!IsLineShown(lines, line, host_.DocumentText().LineCount())) host_.ScrollLines(ScrollStepTo(lines, line));
}

void ViewInteraction::SetCaretLine(model::TextPos pos) {
    pos = ClampCaret(host_.DocumentText(), pos);
    ScrollIntoView(pos.line);
    if (pos == caret_) return;
    caret_ = pos;
    PlaceCaret();
}

void ViewInteraction::PlaceCaret() {
    model::Text& text = host_.DocumentText();
    caret_ = ClampCaret(text, caret_);
    model::CaretPos caret;
    int lineHeight = 0;
    if (model::Line* line = text.LineAt(caret_.line)) {
        caret = line->GetCaretPos(caret_.column);
        lineHeight = line->Height();
    } else {
        // An empty text shows the caret as high as its lines' style.
        caret.height = lineHeight = text.TemplateLine().DefaultRun().DrawingArea().cy;
    }
    const VisibleLines& lines = host_.Layout();
    const POINT origin = lines.Origin(ClampToScreen(text, lines, caret_).line);
    host_.SetCaret(POINT{origin.x - host_.ScrollX() + caret.x, origin.y + lineHeight - caret.height}, caret.height);
}

void ViewInteraction::MoveCaretLines(int count) {
    model::Text& text = host_.DocumentText();
    if (text.LineCount() == 0) return;
    const model::TextPos target = LinesTarget(text, caret_, count);
    ScrollIntoView(target.line);
    if (!(target == caret_)) SetCaretLine(target);
}

void ViewInteraction::MoveCaretColumns(int step) {
    model::Text& text = host_.DocumentText();
    if (text.LineCount() == 0) return;
    const model::TextPos target = ColumnsTarget(text, caret_, step);
    ScrollIntoView(target.line);
    if (!(target == caret_)) SetCaretLine(target);
}

void ViewInteraction::MoveCaretPage(bool down) {
    const int half = host_.Layout().fullyVisible / 2;
    MoveCaretLines(down ? half : -half);
}

void ViewInteraction::MoveCaretTo(CaretKey edge) {
    model::Text& text = host_.DocumentText();
    if (text.LineCount() == 0) return;
    const model::TextPos target = EdgeTarget(text, caret_, edge);
    if (!(target == caret_)) SetCaretLine(target);
}

void ViewInteraction::InvalidateSelectionChange() {
    model::Text& text = host_.DocumentText();
    const Selection& selection = host_.DocumentSelection();
    if (!selection.IsNonEmpty(text)) return;
    const int scrollX = host_.ScrollX();
    for (RECT rect : SelectionOutline(text, host_.Layout(), selection.Start(), selection.End())) {
        OffsetRect(&rect, -scrollX, 0);
        host_.Invalidate(&rect);
    }
}

void ViewInteraction::DrawSelection() {
    model::Text& text = host_.DocumentText();
    const Selection& selection = host_.DocumentSelection();
    if (!selection.IsNonEmpty(text)) return;
    const std::vector<RECT> outline = SelectionOutline(text, host_.Layout(), selection.Start(), selection.End());
    host_.DrawOnWindow([&outline](HDC dc) { DrawOutline(dc, outline); });
}

void ViewInteraction::PaintSelection(HDC dc) {
    model::Text& text = host_.DocumentText();
    const Selection& selection = host_.DocumentSelection();
    if (selection.IsNonEmpty(text)) DrawOutline(dc, SelectionOutline(text, host_.Layout(), selection.Start(), selection.End()));
}

}  // namespace interaction
