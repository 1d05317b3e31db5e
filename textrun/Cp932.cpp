#include "textrun/Cp932.h"

#include "winkit/AnsiText.h"

namespace textrun::cp932 {

std::size_t CharSize(std::string_view text, std::size_t offset) {
    return IsLeadByte(text[offset]) && offset + 1 < text.size() ? 2 : 1;
}

int CharCount(std::string_view text) {
    int count = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += CharSize(text, offset)) ++count;
    return count;
}

std::size_t CharToByte(std::string_view text, int n) {
    std::size_t offset = 0;
    for (int taken = 0; taken < n && offset < text.size(); ++taken) offset += CharSize(text, offset);
    return offset;
}

std::wstring ToWide(std::string_view text) { return winkit::ToWide(text, kCodePage); }

}  // namespace textrun::cp932
