// The program's message boxes, captioned with the application name and owned
// by the main window; a box given no icon shows the exclamation mark. Every
// box, also one with a caption of its own, is shown through winkit's one
// slot, which a test answers.
#pragma once

#include <windows.h>

#include <string>

namespace appkit {

// Shows `text` captioned with the application name; answers the button chosen (IDOK, IDYES, ...).
int AppMessageBox(const std::string& text, UINT type = MB_OK);
// The same with the text of string resource `textId`.
int AppMessageBox(UINT textId, UINT type = MB_OK);
// A box with an owner and caption of the caller's choosing.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

}  // namespace appkit
