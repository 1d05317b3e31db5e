#include "viewer/core/ClassId.h"

namespace core {

namespace {

constexpr std::size_t kTextLength = 38;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits from `text` at `at`, advancing it.
bool ReadHex(std::string_view text, std::size_t& at, int digits, unsigned long& value) {
    value = 0;
    for (int i = 0; i < digits; ++i, ++at) {
        const int digit = HexDigit(text[at]);
        if (digit < 0) return false;
        value = value << 4 | static_cast<unsigned long>(digit);
    }
    return true;
}

bool Expect(std::string_view text, std::size_t& at, char c) { return text[at++] == c; }

}  // namespace

std::optional<CLSID> ParseClsid(std::string_view text) {
    if (text.size() != kTextLength) return std::nullopt;
    CLSID id{};
    std::size_t at = 0;
    unsigned long data1 = 0, data2 = 0, data3 = 0, pair = 0;
    if (!Expect(text, at, '{') || !ReadHex(text, at, 8, data1) || !Expect(text, at, '-') ||
        !ReadHex(text, at, 4, data2) || !Expect(text, at, '-') || !ReadHex(text, at, 4, data3) ||
        !Expect(text, at, '-'))
        return std::nullopt;
    id.Data1 = data1;
    id.Data2 = static_cast<unsigned short>(data2);
    id.Data3 = static_cast<unsigned short>(data3);
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !Expect(text, at, '-')) return std::nullopt;
        if (!ReadHex(text, at, 2, pair)) return std::nullopt;
        id.Data4[i] = static_cast<unsigned char>(pair);
    }
    if (!Expect(text, at, '}')) return std::nullopt;
    return id;
}

}  // namespace core
