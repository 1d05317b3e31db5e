#include "winkit/AnsiText.h"

#include <windows.h>

namespace winkit {

std::string ToAnsi(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string result(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0) WideCharToMultiByte(codePage, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

std::wstring ToWide(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring result(units > 0 ? units : 0, L'\0');
    if (units > 0) MultiByteToWideChar(codePage, 0, text.data(), length, result.data(), units);
    return result;
}

}  // namespace winkit
