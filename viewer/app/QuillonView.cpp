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

namespace viewer {
namespace {

// The device context of a window, released at scope end.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A menu loaded from the program's resources, destroyed at scope end.
class LoadedMenu {
public:
    explicit LoadedMenu(UINT id) : menu_(LoadMenuA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(id))) {}
    LoadedMenu(const LoadedMenu&) = delete;
    LoadedMenu& operator=(const LoadedMenu&) = delete;
    ~LoadedMenu() {
        if (menu_) DestroyMenu(menu_);
    }
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

// Below this client height no line is drawn.
constexpr int kLeastDrawingHeight = 5;
constexpr int kWheelNotch = WHEEL_DELTA;

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
    const int height = ClientHeight();
    if (height < kLeastDrawingHeight) return;
    model::Text& text = Text();
    int y = kFirstLineTop;
    for (int index = std::max(m_firstVisibleLine, 0); index < text.LineCount() && y <= height; ++index) {
        model::Line& line = *text.LineAt(index);
        if (animate)
            line.Update(dc, kLineLeft, y);
        else
            line.Draw(dc, kLineLeft, y);
        line.Recalc();
        y += line.Height() + kLineGap;
    }
}

void CQuillonView::OnDraw(HDC dc) { DrawLines(dc, false); }

int CQuillonView::GetVisibleLineCount() {
    if (m_bLayoutDirty) {
        LayoutVisibleLines(Text(), m_firstVisibleLine, ClientHeight(), m_layout);
        m_bLayoutDirty = false;
    }
    return m_layout.count;
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
    DeactivateVisibleEffects();
    const int last = std::max(Text().LineCount() - 1, 0);
    m_firstVisibleLine = std::clamp(m_firstVisibleLine + count, 0, last);
    m_bLayoutDirty = true;
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

bool CQuillonView::IsLineShown(int line) {
    const int end = m_firstVisibleLine + GetVisibleLineCount();
    return line >= m_firstVisibleLine && (line < end || end >= Text().LineCount() - 1);
}

void CQuillonView::ScrollToShow(int line) {
    if (IsLineShown(line)) return;
    if (line < m_firstVisibleLine)
        ScrollLines(line - m_firstVisibleLine);
    else
        ScrollLines(line - (m_firstVisibleLine + GetVisibleLineCount()));
}

void CQuillonView::SetCaretLine(int column, int line) {
    model::Text& text = Text();
    line = std::clamp(line, 0, std::max(text.LineCount() - 1, 0));
    if (model::Line* target = text.LineAt(line)) column = std::clamp(column, 0, target->CharCount());
    ScrollToShow(line);
    m_caretColumn = column;
    m_caretLine = line;
}

void CQuillonView::MoveCaretLines(int count) {
    model::Text& text = Text();
    if (text.LineCount() == 0) return;
    const int line = std::clamp(m_caretLine + count, 0, text.LineCount() - 1);
    SetCaretLine(std::min(m_caretColumn, text.LineAt(line)->CharCount()), line);
}

void CQuillonView::OnVScroll(int code, int position) {
    switch (code) {
    case SB_LINEUP: MoveCaretLines(-1); break;
    case SB_LINEDOWN: MoveCaretLines(1); break;
    case SB_PAGEUP: MoveCaretLines(-(GetVisibleLineCount() / 2)); break;
    case SB_PAGEDOWN: MoveCaretLines(GetVisibleLineCount() / 2); break;
    case SB_THUMBPOSITION: SetCaretLine(m_caretColumn, position); break;
    }
}

void CQuillonView::OnMouseWheel(int delta) {
    const int lines = Text().LineCount();
    if (lines == 0) return;
    // One notch forward (+120) is one line up; several notches move at once,
    // but never past the top or the last line.
    int count = -delta / kWheelNotch;
    if (count < 0 && m_firstVisibleLine > 0)
        count = std::max(count, -m_firstVisibleLine);
    else if (count > 0 && m_firstVisibleLine + GetVisibleLineCount() < lines - 1)
        count = std::min(count, lines - 1 - m_firstVisibleLine);
    else
        return;
    ScrollLines(count);
    SetCaretLine(m_caretColumn, m_caretLine + count);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void CQuillonView::OnUpdate(appkit::View*, LPARAM, void*) {
    m_firstVisibleLine = 0;
    m_caretColumn = 0;
    m_caretLine = 0;
    m_bLayoutDirty = true;
    m_background = Text().BkColor();
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
    LoadedMenu menu(IDR_CONTEXT_MENU);
    HMENU popup = menu.get() ? GetSubMenu(menu.get(), 0) : nullptr;
    if (!popup) return;
    appkit::Application* app = appkit::Application::Current();
    TrackPopupMenu(popup, 0, screen.x, screen.y, 0, app ? app->MainWindow() : GetParent(Handle()), nullptr);
}

void CQuillonView::OnSaveAsText() {
    CQuillonDoc& document = Document();
    std::optional<TextRange> range;
    if (document.HasSelection()) {
        const int answer = ShowMessage(L"選択範囲だけ保存しますか？\n - [いいえ]を選ぶと文書全体を保存します - ",
                                       MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (answer == IDCANCEL) return;
        if (answer == IDYES) {
            const DocumentSelection& selection = document.Selection();
            range = model::Ordered(selection.anchor, selection.cursor) ? TextRange{selection.anchor, selection.cursor}
                                                                       : TextRange{selection.cursor, selection.anchor};
        }
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

void CQuillonView::OnUpdateNeedsText(appkit::CommandUI& ui) { ui.Enable(Text().LineCount() > 0); }

bool CQuillonView::OnCmdMsg(UINT id, appkit::CommandCall& call) {
    if (id == ID_SAVE_AS_TEXT) return call.Handle(this, &CQuillonView::OnSaveAsText, &CQuillonView::OnUpdateNeedsText);
    return View::OnCmdMsg(id, call);
}

LRESULT CQuillonView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (Default(message, wParam, lParam) == -1) return -1;
        StartTimer();
        return 0;
    case WM_TIMER:
        if (WindowDC dc(Handle()); dc.get()) DrawLines(dc.get(), true);
        break;
    case WM_DESTROY:
        Default(message, wParam, lParam);
        StopTimer();
        return 0;
    case WM_SETFOCUS:
        Default(message, wParam, lParam);
        StartTimer();
        return 0;
    case WM_KILLFOCUS:
        Default(message, wParam, lParam);
        StopTimer();
        return 0;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SIZE:
        Default(message, wParam, lParam);
        DeactivateVisibleEffects();
        m_bLayoutDirty = true;
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        break;
    case WM_CONTEXTMENU:
        OnContextMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    }
    return View::WindowProc(message, wParam, lParam);
}

}  // namespace viewer
