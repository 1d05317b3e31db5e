#include "comkit/control/ControlWindow.h"

#include <olectl.h>

#include "comkit/ModuleState.h"

namespace comkit {
namespace {

constexpr wchar_t kClassName[] = L"QuillonComkitControl";
int g_windows = 0;

bool IsReflected(UINT message) { return message >= OCM__BASE && message < OCM__BASE + WM_USER; }

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        ++g_windows;
    }
    auto* owner = reinterpret_cast<ControlWindowOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner && message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        owner->OnWindowGone();
        owner = nullptr;
    }
    if (owner) {
        bool handled = false;
        const LRESULT result = owner->HandleWindowMessage(window, message, wParam, lParam, handled);
        if (handled) return result;
    }
    if (IsReflected(message)) return DefWindowProcW(window, message - OCM__BASE, wParam, lParam);
    if (message == WM_NCDESTROY) --g_windows;
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ModuleState::Instance();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

HWND CreateControlWindow(ControlWindowOwner* owner, HWND parent, const RECT& position) {
    // A class cannot be unregistered while its last window is being
    // destroyed; it is registered anew with the next first window instead,
    // so it never holds a procedure of an earlier load of the module.
    if (g_windows == 0) {
        UnregisterClassW(kClassName, ModuleState::Instance());
        if (!RegisterWindowClass()) return nullptr;
    }
    HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, position.left,
                                  position.top, position.right - position.left, position.bottom - position.top, parent,
                                  nullptr, ModuleState::Instance(), owner);
    return window;
}

void DestroyOrphanedWindow(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
}

}  // namespace comkit
