// ViviFontProperty texts as a page author writes them: base64 of a whole
// property record.
#pragma once

#include <string>
#include <vector>

namespace webtest {

using Bytes = std::vector<unsigned char>;

// nSize and nVersion as given, then the payload.
Bytes Record(long size, long version, const Bytes& payload);
std::wstring Base64(const Bytes& bytes);

}  // namespace webtest
