// A window whose messages reach a C++ object. The object is found through
// the window's user data, set from the creation parameter at WM_NCCREATE and
// cleared after WM_NCDESTROY; destroying the object destroys a window that is
// still there (without calling back into the half-destroyed object).
#pragma once

#include <windows.h>

#include <string>

namespace appkit {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    void DestroyWindow();

protected:
    // Registers `className` once per process with this layer's dispatch.
    static void RegisterWindowClass(const char* className, UINT style, HBRUSH background);

    // Creates the window (after PreCreateWindow has seen the parameters);
    // false when it could not be created.
    bool CreateEx(DWORD exStyle, const char* className, const std::string& title, DWORD style, HWND parent,
                  HMENU menuOrId);

    // May change the creation parameters; false cancels the creation.
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    // Every message; what a class does not handle goes to Default.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // After the last message of the window; the object may delete itself here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace appkit
