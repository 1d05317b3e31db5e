// Characters of the hosts' multibyte text. Documents carry code page 932
// whatever code page the machine runs, so character boundaries follow that
// code page's fixed lead-byte ranges, never the C runtime's locale.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textrun::cp932 {

inline constexpr unsigned kCodePage = 932;

constexpr bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
constexpr bool IsLeadByte(char byte) { return IsLeadByte(static_cast<unsigned char>(byte)); }

// Bytes of the character starting at offset: two for a lead byte with a byte
// after it, otherwise one. A lead byte that ends the text has no partner and
// is a character of one byte; that one rule holds for counting, offsets,
// deletion and conversion alike.
std::size_t CharSize(std::string_view text, std::size_t offset);

int CharCount(std::string_view text);

// Byte offset of character n: 0 for n <= 0, the text's byte length for n at
// or past the character count.
std::size_t CharToByte(std::string_view text, int n);

std::wstring ToWide(std::string_view text);

}  // namespace textrun::cp932
