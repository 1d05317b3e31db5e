// The one way a program, the control or an effect module shows the user a
// message box. Every box goes through one slot per binary, so a test answers
// the boxes of the code it loads without a person.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "winkit/ScopedOverride.h"

namespace winkit {

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

// Answers the button chosen (IDOK, IDYES, ...).
int ShowMessageBox(const MessageBoxRequest& request);

// While it lives, every message box of this binary is answered by `answer`
// instead of a person.
class ScopedMessageBoxAnswer : public ScopedOverride<int(const MessageBoxRequest&)> {
public:
    explicit ScopedMessageBoxAnswer(std::function<int(const MessageBoxRequest&)> answer);
};

}  // namespace winkit
