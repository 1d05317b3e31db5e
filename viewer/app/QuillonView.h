// The viewer's view: the document's text as lines of runs, each run drawn by
// its own effect. A 30 ms timer advances every visible run's effect while the
// view has the keyboard focus. The view scrolls by whole lines (scroll bar
// messages and the wheel), releasing the off-screen surfaces of the visible
// effects before the picture moves and whenever its size changes. It offers
// a context menu and saves the text, or the selection, as plain text. The
// mouse, the keys, the caret, the selection, copy and find are the
// interaction's (viewer/interaction), to which the view lends its window.
#pragma once

#include <windows.h>

#include "appkit/framework/View.h"
#include "viewer/app/QuillonDoc.h"
#include "viewer/interaction/ViewHost.h"
#include "viewer/interaction/ViewInteraction.h"

namespace app {

class CQuillonView : public appkit::View, private interaction::ViewHost {
public:
    static constexpr UINT kAnimationTimer = 1;
    static constexpr UINT kAnimationPeriod = 30;  // ms

    CQuillonView() : m_interaction(*this) {}

    void OnDraw(HDC dc) override;
    // The document's text was replaced: back to its start, repainted in its
    // background colour, no run hovered.
    void OnUpdate(appkit::View* sender, LPARAM hint, void* hintObject) override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    CQuillonDoc& Document() const { return *static_cast<CQuillonDoc*>(GetDocument()); }

    // Draws (animate false: DrawTextFace) or advances and draws (UpdateTextFace)
    // every line from the first visible one while its top lies inside the
    // client area.
    void DrawLines(HDC dc, bool animate);
    // The wholly visible lines, laid out again first when the layout is stale.
    int GetVisibleLineCount() { return Layout().fullyVisible; }
    // Releases the surfaces of the activated effects of the visible lines and
    // of the partly visible line below them.
    void DeactivateVisibleEffects();
    // Moves the picture by `count` lines (the first visible line stays inside
    // the text) and repaints at once, without selection outline and caret.
    void ScrollLines(int count) override;

    int FirstVisibleLine() const { return m_firstVisibleLine; }
    model::TextPos Caret() const { return m_interaction.Caret(); }
    bool IsAnimating() const { return m_nTimer != 0; }

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // ViewHost.
    model::Text& DocumentText() override { return Text(); }
    interaction::Selection& DocumentSelection() override { return Document().Selection(); }
    const interaction::VisibleLines& Layout() override;
    int ScrollX() override { return m_scrollX; }
    void SetCaret(POINT clientTopLeft, int height) override;
    void Invalidate(const RECT* clientRect) override;
    void DrawOnWindow(const std::function<void(HDC)>& draw) override;
    bool HasCapture() override { return GetCapture() == Handle(); }
    void CaptureMouse() override { SetCapture(Handle()); }
    void ReleaseMouse() override { ReleaseCapture(); }

    model::Text& Text() const { return Document().GetText(); }
    int ClientHeight() const;
    void StartTimer();
    void StopTimer();
    void EraseBackground(HDC dc) const;
    void OnSetFocus();
    void OnKillFocus();
    void OnVScroll(int code, int position);
    void OnMouseWheel(int delta);
    void OnContextMenu(POINT screen);
    void OnSaveAsText();
    void OnEditCopy() { m_interaction.OnEditCopy(); }
    void OnEditSelectAll() { m_interaction.OnEditSelectAll(); }
    void OnEditFind();
    void OnUpdateNeedsText(appkit::CommandUI& ui);
    void OnUpdateEditCopy(appkit::CommandUI& ui) { ui.Enable(m_interaction.CanCopy()); }

    interaction::ViewInteraction m_interaction;
    UINT_PTR m_nTimer = 0;
    int m_firstVisibleLine = 0;
    // Pixels the picture is shifted left by; no command scrolls sideways.
    int m_scrollX = 0;
    bool m_bScrolling = false;
    bool m_bLayoutDirty = true;
    interaction::VisibleLines m_layout;
    COLORREF m_background = RGB(0, 0, 0);
};

}  // namespace app
