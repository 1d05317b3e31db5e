// The viewer's view: the document's text as lines of runs, each run drawn by
// its own effect. A 30 ms timer advances every visible run's effect while the
// view has the keyboard focus. The view scrolls by whole lines (scroll bar
// messages and the wheel), releasing the off-screen surfaces of the visible
// effects before the picture moves and whenever its size changes. It offers
// a context menu and saves the text, or the selection, as plain text.
#pragma once

#include <windows.h>

#include "appkit/framework/View.h"
#include "viewer/app/QuillonDoc.h"
#include "viewer/app/VisibleLines.h"

namespace viewer {

class CQuillonView : public appkit::View {
public:
    static constexpr UINT kAnimationTimer = 1;
    static constexpr UINT kAnimationPeriod = 30;  // ms

    void OnDraw(HDC dc) override;
    // The document's text was replaced: back to its top, repainted in its background colour.
    void OnUpdate(appkit::View* sender, LPARAM hint, void* hintObject) override;
    bool OnCmdMsg(UINT id, appkit::CommandCall& call) override;

    CQuillonDoc& Document() const { return *static_cast<CQuillonDoc*>(GetDocument()); }

    // Draws (animate false: DrawTextFace) or advances and draws (UpdateTextFace)
    // every line from the first visible one while its top lies inside the
    // client area.
    void DrawLines(HDC dc, bool animate);
    // The wholly visible lines, laid out again first when the layout is stale.
    int GetVisibleLineCount();
    // Releases the surfaces of the activated effects of the visible lines and
    // of the partly visible line below them.
    void DeactivateVisibleEffects();
    // Moves the picture by `count` lines (the first visible line stays inside
    // the text) and repaints at once.
    void ScrollLines(int count);

    int FirstVisibleLine() const { return m_firstVisibleLine; }
    model::TextPos CaretPos() const { return {m_caretColumn, m_caretLine}; }
    bool IsAnimating() const { return m_nTimer != 0; }

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    model::Text& Text() const { return Document().GetText(); }
    int ClientHeight() const;
    void StartTimer();
    void StopTimer();
    void EraseBackground(HDC dc) const;
    void OnVScroll(int code, int position);
    void OnMouseWheel(int delta);
    void OnContextMenu(POINT screen);
    void OnSaveAsText();
    void OnUpdateNeedsText(appkit::CommandUI& ui);

    // The caret position that the scroll bar moves and that scrolling keeps on screen.
    bool IsLineShown(int line);
    void ScrollToShow(int line);
    void SetCaretLine(int column, int line);
    void MoveCaretLines(int count);

    UINT_PTR m_nTimer = 0;
    int m_caretColumn = 0;
    int m_caretLine = 0;
    int m_firstVisibleLine = 0;
    bool m_bLayoutDirty = true;
    VisibleLines m_layout;
    COLORREF m_background = RGB(0, 0, 0);
};

}  // namespace viewer
