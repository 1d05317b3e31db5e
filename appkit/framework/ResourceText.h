// Strings from the program's string table, in the ANSI code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace appkit {

// Empty when the program has no such string.
std::string LoadText(UINT id);
// The string with every "%1" replaced by `argument`.
std::string FormatText(UINT id, std::string_view argument);

}  // namespace appkit
