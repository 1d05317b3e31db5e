// Class identifiers written as text in documents, appended data and the
// registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

namespace core {

// Only the registry form with braces, 38 characters of hexadecimal digits
// and hyphens, either case. Unlike CLSIDFromString this never looks a ProgID
// up, so text from a file cannot reach the registry.
std::optional<CLSID> ParseClsid(std::string_view text);

}  // namespace core
