#include "webcontrol/PropertyText.h"

#include <algorithm>
#include <cstring>

namespace netrune {
namespace {

unsigned SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return 0;
}

}  // namespace

std::vector<unsigned char> DecodeBase64(std::string_view text) {
    const std::size_t length = text.size();
    std::size_t pad = 0;
    if (length >= 2 && text[length - 1] == '=' && text[length - 2] == '=')
        pad = 2;
    else if (length >= 1 && text[length - 1] == '=')
        pad = 1;
    const std::size_t complete = length / 4 * 3;
    std::vector<unsigned char> bytes;
    bytes.reserve(complete);
    for (std::size_t at = 0; at + 4 <= length; at += 4) {
        const unsigned a = SextetOf(text[at]), b = SextetOf(text[at + 1]);
        const unsigned c = SextetOf(text[at + 2]), d = SextetOf(text[at + 3]);
        bytes.push_back(static_cast<unsigned char>(a << 2 | b >> 4));
        bytes.push_back(static_cast<unsigned char>(b << 4 | c >> 2));
        bytes.push_back(static_cast<unsigned char>(c << 6 | d));
    }
    bytes.resize(complete >= pad ? complete - pad : 0);
    return bytes;
}

const tagPersistMemory* RecordIn(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < static_cast<std::size_t>(contract::kRecordHeader)) return nullptr;
    LONG size = 0;
    std::memcpy(&size, bytes.data(), sizeof size);
    if (size < 0 || static_cast<std::size_t>(size) > bytes.size() - contract::kRecordHeader) return nullptr;
    return reinterpret_cast<const tagPersistMemory*>(bytes.data());
}

}  // namespace netrune
