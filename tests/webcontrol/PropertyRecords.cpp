#include "tests/webcontrol/PropertyRecords.h"

#include <algorithm>
#include <cstring>

namespace webtest {

Bytes Record(long size, long version, const Bytes& payload) {
    Bytes bytes(8 + payload.size());
    std::memcpy(bytes.data(), &size, 4);
    std::memcpy(bytes.data() + 4, &version, 4);
    std::copy(payload.begin(), payload.end(), bytes.begin() + 8);
    return bytes;
}

std::wstring Base64(const Bytes& bytes) {
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::wstring text;
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t left = bytes.size() - at;
        const unsigned group = bytes[at] << 16 | (left > 1 ? bytes[at + 1] << 8 : 0) | (left > 2 ? bytes[at + 2] : 0);
        text += kAlphabet[group >> 18 & 63];
        text += kAlphabet[group >> 12 & 63];
        text += left > 1 ? kAlphabet[group >> 6 & 63] : '=';
        text += left > 2 ? kAlphabet[group & 63] : '=';
    }
    return text;
}

}  // namespace webtest
