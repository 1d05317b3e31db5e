// A dialog box from a dialog template of the program, run modally (DoModal)
// or modeless (Create). Without an owner named, the program's main window
// owns it. OK and Cancel (also Enter, Esc and the system menu's Close) end
// the dialog; a modeless one is then hidden and lives on until its window is
// destroyed, with its owner at the latest. While a modeless dialog is open,
// the program's message loop hands it its keys (Tab, arrows, Enter, Esc,
// mnemonics).
#pragma once

#include <windows.h>

namespace appkit {

class Dialog {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // Destroys a modeless window still open.
    virtual ~Dialog();

    // Runs the dialog until it ends; answers the result given to EndDialog,
    // or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the modeless dialog; false when it could not be created.
    bool Create(HWND owner = nullptr);

    HWND Handle() const { return hwnd_; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(hwnd_, id); }
    void EndDialog(INT_PTR result);

    // The program's message loop offers each message to the open modeless dialogs first.
    static bool TranslateModelessMessage(MSG& msg);

protected:
    // The dialog's controls exist; true lets the dialog give the focus to its
    // first control, false means this function set the focus itself.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // WM_COMMAND other than IDOK and IDCANCEL; true when handled.
    virtual bool OnCommand(UINT /*id*/, UINT /*code*/, HWND /*control*/) { return false; }
    // Every message; answers as a dialog procedure does (TRUE: handled).
    virtual INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);
    // After the last message of the window; a modeless dialog may delete itself here.
    virtual void PostNcDestroy() {}

private:
    static INT_PTR CALLBACK Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static HWND DefaultOwner(HWND owner);

    UINT templateId_;
    HWND hwnd_ = nullptr;
};

}  // namespace appkit
