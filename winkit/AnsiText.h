// Conversions between the hosts' multibyte text (the ANSI code page, 932 in
// this system) and the UTF-16 text that crosses the effect interfaces.
#pragma once

#include <string>
#include <string_view>

namespace winkit {

// A codePage of 0 (CP_ACP) is the process's ANSI code page.
std::string ToAnsi(std::wstring_view text, unsigned codePage = 0);
std::wstring ToWide(std::string_view text, unsigned codePage = 0);

}  // namespace winkit
