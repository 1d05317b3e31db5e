// Conversions between the hosts' multibyte text (the ANSI code page, 932 in
// this system) and the UTF-16 text that crosses the effect interfaces.
#pragma once

#include <string>
#include <string_view>

namespace winkit {

std::string ToAnsi(std::wstring_view text);
std::wstring ToWide(std::string_view text);

}  // namespace winkit
