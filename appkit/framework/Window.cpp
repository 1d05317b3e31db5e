#include "appkit/framework/Window.h"

#include <utility>

namespace appkit {

Window::~Window() {
    if (hwnd_) {
        // The derived parts are gone: the last messages go to the default procedure.
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

void Window::DestroyWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
}

void Window::RegisterWindowClass(const char* className, UINT style, HBRUSH background) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, className, &existing)) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = Dispatch;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

bool Window::CreateEx(DWORD exStyle, const char* className, const std::string& title, DWORD style, HWND parent,
                      HMENU menuOrId) {
    CREATESTRUCTA cs{};
    cs.lpCreateParams = this;
    cs.hInstance = GetModuleHandleW(nullptr);
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.x = cs.y = cs.cx = cs.cy = (style & WS_CHILD) ? 0 : CW_USEDEFAULT;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = title.c_str();
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!PreCreateWindow(cs)) return false;
    return CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx,
                           cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, this) != nullptr;
}

bool Window::PreCreateWindow(CREATESTRUCTA&) { return true; }

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
    const LRESULT result = window->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        window->hwnd_ = nullptr;
        window->PostNcDestroy();
    }
    return result;
}

}  // namespace appkit
