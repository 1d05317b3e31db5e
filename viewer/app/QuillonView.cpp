#include "viewer/app/QuillonView.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "appkit/framework/Application.h"
#include "appkit/framework/FileDialog.h"
#include "appkit/framework/WaitCursor.h"
#include "comkit/ComPtr.h"
#include "viewer/app/Messages.h"
#include "viewer/app/PlainTextFile.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/interaction/FindDlg.h"
#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"
#include "winkit/Menu.h"

namespace app {
namespace {

// Below this client height no line is drawn.
constexpr int kLeastDrawingHeight = 5;
constexpr int kCaretWidth = 3;

bool KeyHeld(int virtualKey) { return GetAsyncKeyState(virtualKey) < 0; }

}  // namespace

bool CQuillonView::PreCreateWindow(CREATESTRUCTA& cs) {
    // The effects draw straight into the view's device context; child
    // windows keep their own pixels.
    cs.style |= WS_CLIPCHILDREN;
    return View::PreCreateWindow(cs);
}

int CQuillonView::ClientHeight() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return client.bottom - client.top;
}

void CQuillonView::StartTimer() {
    if (m_nTimer == 0) m_nTimer = SetTimer(Handle(), kAnimationTimer, kAnimationPeriod, nullptr);
}

void CQuillonView::StopTimer() {
    if (m_nTimer != 0) KillTimer(Handle(), m_nTimer);
    m_nTimer = 0;
}

void CQuillonView::DrawLines(HDC dc, bool animate) {
    const winkit::ViewportOffset shifted(dc, -m_scrollX, 0);
    const int height = ClientHeight();
    if (height < kLeastDrawingHeight) return;
    model::Text& text = Text();
    int y = interaction::kFirstLineOrigin.y;
    for (int index = std::max(m_firstVisibleLine, 0); index < text.LineCount() && y <= height; ++index) {
        model::Line& line = *text.LineAt(index);
        if (animate)
            line.Update(dc, interaction::kFirstLineOrigin.x, y);
        else
            line.Draw(dc, interaction::kFirstLineOrigin.x, y);
        line.Recalc();
        y += line.Height() + interaction::kLineGap;
    }
}

void CQuillonView::OnDraw(HDC dc) {
    DrawLines(dc, false);
    if (m_bScrolling) return;
    {
        const winkit::ViewportOffset shifted(dc, -m_scrollX, 0);
        m_interaction.PaintSelection(dc);
    }
    if (GetFocus() == Handle()) m_interaction.PlaceCaret();
}

const interaction::VisibleLines& CQuillonView::Layout() {
    if (m_bLayoutDirty) {
        m_layout = interaction::LayoutVisibleLines(Text(), m_firstVisibleLine, ClientHeight());
        m_bLayoutDirty = false;
    }
    return m_layout;
}

void CQuillonView::DeactivateVisibleEffects() {
    model::Text& text = Text();
    const int first = std::max(m_firstVisibleLine, 0);
    const int end = std::min(first + GetVisibleLineCount() + 1, text.LineCount());
    for (int index = first; index < end; ++index) {
        const model::Line& line = *text.LineAt(index);
        for (std::size_t run = 0; run < line.RunCount(); ++run) {
            IViviFont* effect = line.Run(run).Effect();
            if (!effect) continue;
            comkit::ComPtr<IViviFontActivation> activation;
            effect->QueryInterface(IID_IViviFontActivation, activation.put_void());
            char activated = 0;
            if (activation && SUCCEEDED(activation->IsActivated(&activated)) && activated) activation->Deactivate();
        }
    }
}

void CQuillonView::ScrollLines(int count) {
    m_bScrolling = true;
    DeactivateVisibleEffects();
    const int last = std::max(Text().LineCount() - 1, 0);
    m_firstVisibleLine = std::clamp(m_firstVisibleLine + count, 0, last);
    m_bLayoutDirty = true;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
    m_bScrolling = false;
}

void CQuillonView::SetCaret(POINT clientTopLeft, int height) {
    DestroyCaret();
    CreateCaret(Handle(), nullptr, kCaretWidth, height);
    SetCaretPos(clientTopLeft.x, clientTopLeft.y);
    ShowCaret(Handle());
}

void CQuillonView::Invalidate(const RECT* clientRect) { InvalidateRect(Handle(), clientRect, TRUE); }

void CQuillonView::DrawOnWindow(const std::function<void(HDC)>& draw) {
    const winkit::WindowDC dc(Handle());
    if (!dc.get()) return;
    const winkit::ViewportOffset shifted(dc.get(), -m_scrollX, 0);
    draw(dc.get());
}

void CQuillonView::OnSetFocus() {
    if (Text().LineAt(Caret().line)) m_interaction.PlaceCaret();
    StartTimer();
}

void CQuillonView::OnKillFocus() {
    HideCaret(Handle());
    DestroyCaret();
    StopTimer();
}

void CQuillonView::OnVScroll(int code, int position) {
    switch (code) {
    case SB_LINEUP: m_interaction.MoveCaretLines(-1); break;
    case SB_LINEDOWN: m_interaction.MoveCaretLines(1); break;
    case SB_PAGEUP: m_interaction.MoveCaretPage(false); break;
    case SB_PAGEDOWN: m_interaction.MoveCaretPage(true); break;
    case SB_THUMBPOSITION: m_interaction.SetCaretLine(model::TextPos{Caret().column, position}); break;
    }
}

void CQuillonView::OnMouseWheel(int delta) {
    const int lines = Text().LineCount();
    if (lines == 0) return;
    // One notch forward (+120) is one line up; several notches move at once,
    // but never above the first line or below the last.
    int count = -delta / WHEEL_DELTA;
    if (count < 0 && m_firstVisibleLine > 0)
        count = std::max(count, -m_firstVisibleLine);
    else if (count > 0 && m_firstVisibleLine + GetVisibleLineCount() < lines - 1)
        count = std::min(count, lines - 1 - m_firstVisibleLine);
    else
        return;
    ScrollLines(count);
    m_interaction.SetCaretLine(model::TextPos{Caret().column, Caret().line + count});
    m_interaction.PlaceCaret();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CQuillonView::OnUpdate(appkit::View*, LPARAM, void*) {
    // The layout goes first: the caret's move to the start lays the new text out.
    m_bLayoutDirty = true;
    m_bScrolling = false;
    m_background = Text().BkColor();
    m_interaction.OnDocumentChanged();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CQuillonView::EraseBackground(HDC dc) const {
    RECT clip{};
    const int region = GetClipBox(dc, &clip);
    if (region == ERROR || region == NULLREGION) return;
    SetBkColor(dc, m_background);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &clip, nullptr, 0, nullptr);
}

void CQuillonView::OnContextMenu(POINT screen) {
    const winkit::Menu menu(LoadMenuA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(IDR_CONTEXT_MENU)));
    HMENU popup = menu.get() ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup) return;
    appkit::Application* app = appkit::Application::Current();
    TrackPopupMenu(popup, 0, screen.x, screen.y, 0, app ? app->MainWindow() : GetParent(Handle()), nullptr);
}

void CQuillonView::OnSaveAsText() {
    const interaction::Selection& selection = Document().Selection();
    std::optional<TextRange> range;
    if (selection.IsNonEmpty(Text())) {
        const int answer = ShowMessage(L"選択範囲だけ保存しますか？\n - [いいえ]を選ぶと文書全体を保存します - ",
                                       MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL) return;
        if (answer == IDYES) range = TextRange{selection.Start(), selection.End()};
    }
    appkit::FileDialogRequest request;
    request.open = false;
    request.defaultExt = "txt";
    request.fileName = "*.txt";
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    const auto path = appkit::RunFileDialog(request);
    if (!path) return;
    appkit::WaitCursor wait;
    SavePlainText(*path, Text(), range);
}

void CQuillonView::OnEditFind() { interaction::FindDlg::Open(m_interaction); }

void CQuillonView::OnUpdateNeedsText(appkit::CommandUI& ui) { ui.Enable(Text().LineCount() > 0); }

bool CQuillonView::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    switch (id) {
    case ID_SAVE_AS_TEXT: return call.Handle(this, &CQuillonView::OnSaveAsText, &CQuillonView::OnUpdateNeedsText);
    case ID_EDIT_SELECT_ALL:
        return call.Handle(this, &CQuillonView::OnEditSelectAll, &CQuillonView::OnUpdateNeedsText);
    case ID_EDIT_FIND: return call.Handle(this, &CQuillonView::OnEditFind, &CQuillonView::OnUpdateNeedsText);
    case ID_EDIT_COPY: return call.Handle(this, &CQuillonView::OnEditCopy, &CQuillonView::OnUpdateEditCopy);
    }
    return View::OnCmdMsg(id, call);
}

LRESULT CQuillonView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_CREATE:
        if (Default(message, wParam, lParam) == -1) return -1;
        StartTimer();
        return 0;
    case WM_TIMER:
        if (const winkit::WindowDC dc(Handle()); dc) DrawLines(dc.get(), true);
        break;
    case WM_DESTROY:
        Default(message, wParam, lParam);
        StopTimer();
        return 0;
    case WM_SETFOCUS:
        Default(message, wParam, lParam);
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        Default(message, wParam, lParam);
        OnKillFocus();
        return 0;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE:
        Default(message, wParam, lParam);
        DeactivateVisibleEffects();
        m_bLayoutDirty = true;
        if (LOWORD(lParam) >= 1 && HIWORD(lParam) >= 1) m_interaction.PlaceCaret();
        return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam)); break;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); break;
    case WM_CONTEXTMENU: OnContextMenu(client); return 0;
    case WM_KEYDOWN: m_interaction.OnKeyDown(static_cast<UINT>(wParam), KeyHeld(VK_CONTROL), KeyHeld(VK_SHIFT)); break;
    case WM_MOUSEMOVE: m_interaction.OnMouseMove(client); break;
    case WM_LBUTTONDOWN: m_interaction.OnLButtonDown(client); break;
    case WM_LBUTTONUP: m_interaction.OnLButtonUp(client); break;
    }
    return View::WindowProc(message, wParam, lParam);
}

}  // namespace app
