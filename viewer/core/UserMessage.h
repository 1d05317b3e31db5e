// How the viewer's window-free code tells the user something: a fixed text
// and the message box style (buttons and icon). The program shows it in a
// message box captioned with its name; tests record it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace core {

using UserMessage = std::function<void(const std::wstring& text, UINT style)>;

}  // namespace core
