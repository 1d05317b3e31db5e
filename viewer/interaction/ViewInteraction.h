// The view's caret, selection, mouse forwarding and copy, driven by the
// view's messages. The view owns one, hands it its window through ViewHost
// and calls the entry point named after each message or command.
#pragma once

#include <windows.h>

#include "viewer/interaction/CaretMoves.h"
#include "viewer/interaction/FindTarget.h"
#include "viewer/interaction/MouseForwarder.h"
#include "viewer/interaction/ViewHost.h"

namespace interaction {

class ViewInteraction final : public FindTarget {
public:
    explicit ViewInteraction(ViewHost& host) : host_(host) {}
    ViewInteraction(const ViewInteraction&) = delete;
    ViewInteraction& operator=(const ViewInteraction&) = delete;

    // WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP with their client points.
    void OnMouseMove(POINT client);
    void OnLButtonDown(POINT client);
    void OnLButtonUp(POINT client);
    // WM_KEYDOWN; Ctrl and Shift as GetAsyncKeyState saw them at the message.
    void OnKeyDown(UINT virtualKey, bool ctrl, bool shift);
    // Select All (enabled when the text has lines).
    void OnEditSelectAll();
    // Copy is enabled exactly when the selection is non-empty.
    bool CanCopy();
    // Copy: the selection goes to the clipboard and the view is repainted;
    // an empty selection is refused. True when the clipboard took it.
    bool OnEditCopy();

    // The document changed: the hovered run is forgotten without a
    // MouseLeave, the caret goes to the start, the button and capture are let go.
    void OnDocumentChanged();
    // Paint: outlines the selection on the painting context (already shifted).
    void PaintSelection(HDC dc);

    // The caret: moved into the text and into view, placed on screen.
    void SetCaretLine(model::TextPos pos);
    void PlaceCaret();
    void MoveCaretLines(int count);
    void MoveCaretColumns(int step);
    // Half the wholly visible lines down or up.
    void MoveCaretPage(bool down);
    model::TextPos Caret() const override { return caret_; }

    // FindTarget.
    model::Text& SearchText() override { return host_.DocumentText(); }
    void SelectFound(const FoundRange& match, bool upwards) override;

private:
    POINT ToText(POINT client) { return POINT{client.x + host_.ScrollX(), client.y}; }
    model::TextPos PositionAt(POINT point);
    // Scrolls a line that is not shown into view.
    void ScrollIntoView(int line);
    void MoveCaretTo(CaretKey edge);
    void MoveCaretByKey(CaretKey key, bool shift);
    void UpdateShiftSelection(bool shift);
    void DragTo(POINT point);
    // The selection's outline invalidated (before it changes) or drawn now.
    void InvalidateSelectionChange();
    void DrawSelection();

    ViewHost& host_;
    MouseForwarder mouse_;
    model::TextPos caret_;
    bool buttonDown_ = false;
};

}  // namespace interaction
