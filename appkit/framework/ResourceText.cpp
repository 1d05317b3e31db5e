#include "appkit/framework/ResourceText.h"

#include "winkit/AnsiText.h"

namespace appkit {

std::string LoadText(UINT id) {
    // With a zero buffer size the call answers a pointer into the resource
    // itself, so no string is cut at some buffer length.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text) return {};
    return winkit::ToAnsi(std::wstring_view(text, static_cast<size_t>(length)));
}

std::string FormatText(UINT id, std::string_view argument) {
    // '%' lies below the trail-byte range of code page 932, so a byte search
    // never matches inside a double-byte character.
    std::string text = LoadText(id);
    for (size_t at = text.find("%1"); at != std::string::npos; at = text.find("%1", at + argument.size()))
        text.replace(at, 2, argument);
    return text;
}

}  // namespace appkit
