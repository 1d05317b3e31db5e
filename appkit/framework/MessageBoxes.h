// Message boxes. The program's messages are captioned with the application
// name and owned by the main window; a box given no icon shows the
// exclamation mark. Every box, also one with a caption of its own, goes
// through one slot that a test can answer.
#pragma once

#include <windows.h>

#include <string>

#include "appkit/framework/ScopedOverride.h"

namespace appkit {

struct MessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Shows `text` captioned with the application name; answers the button chosen (IDOK, IDYES, ...).
int AppMessageBox(const std::string& text, UINT type = MB_OK);
// The same with the text of string resource `textId`.
int AppMessageBox(UINT textId, UINT type = MB_OK);
// A box with an owner and caption of the caller's choosing.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// While it lives, every message box is answered by `answer` instead of a person.
class ScopedMessageBoxAnswer : public ScopedOverride<int(const MessageBoxRequest&)> {
public:
    explicit ScopedMessageBoxAnswer(std::function<int(const MessageBoxRequest&)> answer);
};

}  // namespace appkit
