#include "appkit/framework/Dialog.h"

#include <utility>
#include <vector>

#include "appkit/framework/Application.h"

namespace appkit {
namespace {

std::vector<HWND>& ModelessWindows() {
    static std::vector<HWND> windows;
    return windows;
}

}  // namespace

Dialog::~Dialog() {
    if (hwnd_) {
        // The derived parts are gone: the last messages go to the default procedure.
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        std::erase(ModelessWindows(), hwnd_);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }
}

HWND Dialog::DefaultOwner(HWND owner) {
    if (owner) return owner;
    Application* app = Application::Current();
    return app ? app->MainWindow() : nullptr;
}

INT_PTR Dialog::DoModal(HWND owner) {
    return DialogBoxParamA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(templateId_), DefaultOwner(owner), Dispatch,
                           reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND owner) {
    if (!CreateDialogParamA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(templateId_), DefaultOwner(owner), Dispatch,
                            reinterpret_cast<LPARAM>(this)))
        return false;
    ModelessWindows().push_back(hwnd_);
    return true;
}

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

bool Dialog::TranslateModelessMessage(MSG& msg) {
    // A dialog may go away while it handles its message; the list is not
    // looked at again after a dialog took one.
    const std::vector<HWND>& windows = ModelessWindows();
    for (size_t i = 0; i < windows.size(); ++i)
        if (IsDialogMessageA(windows[i], &msg)) return true;
    return false;
}

INT_PTR Dialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: OnOK(); return TRUE;
        case IDCANCEL: OnCancel(); return TRUE;
        }
        return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    }
    return FALSE;
}

INT_PTR CALLBACK Dialog::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!dialog) return FALSE;
    const INT_PTR result = dialog->DialogProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        std::erase(ModelessWindows(), hwnd);
        dialog->hwnd_ = nullptr;
        dialog->PostNcDestroy();
    }
    return result;
}

}  // namespace appkit
