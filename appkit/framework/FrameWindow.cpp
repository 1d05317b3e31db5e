#include "appkit/framework/FrameWindow.h"

#include "appkit/framework/Application.h"
#include "appkit/framework/Document.h"

namespace appkit {
namespace {

constexpr char kFrameClass[] = "AppkitFrame";

}  // namespace

FrameWindow::~FrameWindow() {
    // The view's window goes with this window, while the view object still stands.
    DestroyWindow();
}

bool FrameWindow::LoadFrame(UINT resourceId, const std::string& title, std::unique_ptr<View> view,
                            Document& document) {
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    view_ = std::move(view);
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    if (!CreateEx(0, kFrameClass, title, WS_OVERLAPPEDWINDOW, nullptr,
                  LoadMenuA(instance, MAKEINTRESOURCEA(resourceId))))
        return false;
    if (HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId))) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    if (!view_->Create(Handle(), document)) return false;
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(view_->Handle(), 0, 0, client.right, client.bottom, TRUE);
    return true;
}

bool FrameWindow::Route(UINT id, CommandCall& call) {
    if (view_ && view_->OnCmdMsg(id, call)) return true;
    if (Document* document = view_ ? view_->GetDocument() : nullptr; document && document->OnCmdMsg(id, call))
        return true;
    if (OnCmdMsg(id, call)) return true;
    Application* app = Application::Current();
    return app && app->OnCmdMsg(id, call);
}

bool FrameWindow::IsCommandEnabled(UINT id) {
    CommandUI ui;
    CommandCall update(ui);
    if (Route(id, update)) return ui.IsEnabled();
    return update.FoundHandler();
}

bool FrameWindow::RouteCommand(UINT id) {
    // A command whose item would be greyed does nothing, also when it comes
    // from an accelerator or a menu item that was enabled when it opened.
    if (!IsCommandEnabled(id)) return false;
    CommandCall run;
    return Route(id, run);
}

bool FrameWindow::TranslateAccelerators(MSG& msg) {
    if (!accelerators_ || !Handle()) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    return TranslateAcceleratorA(Handle(), accelerators_, &msg) != 0;
}

void FrameWindow::UpdateMenu(HMENU popup) {
    if (Application* app = Application::Current()) app->RecentFiles().UpdateMenu(popup);
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or submenu
        EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | (IsCommandEnabled(id) ? MF_ENABLED : MF_GRAYED));
    }
}

LRESULT FrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Menus and accelerators; notifications of controls take the default road.
        if (lParam == 0) {
            RouteCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam)) {
            UpdateMenu(reinterpret_cast<HMENU>(wParam));
            return 0;
        }
        break;
    case WM_SIZE:
        if (view_ && view_->Handle()) MoveWindow(view_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        if (view_ && view_->Handle()) {
            SetFocus(view_->Handle());
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (Application* app = Application::Current(); app && app->MainFrame() == this) app->OnMainFrameDestroyed();
        break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace appkit
