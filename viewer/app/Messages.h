// The viewer's messages to the user: fixed Japanese texts shown in the
// program's message box, captioned with the application name.
#pragma once

#include <windows.h>

#include <string_view>

#include "viewer/core/UserMessage.h"

namespace app {

// Answers the button chosen.
int ShowMessage(std::wstring_view text, UINT style = MB_OK);
// The same box for the window-free core.
core::UserMessage MessageBoxSink();

}  // namespace app
