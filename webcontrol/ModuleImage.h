// Whether a downloaded file is a whole module this process can load: a PE
// image for its own architecture whose headers and sections all lie within
// the file. A body cut short looks like a normal end to the platform when
// the server sent no length or closed a chunked body early; this check is
// what keeps such a file from replacing a working module.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace netrune {

// Every header, the section table included, must lie within this many bytes
// at the start of the file.
inline constexpr std::size_t kModuleHeadBytes = 64 * 1024;

// head: the file's first min(fileSize, kModuleHeadBytes) bytes.
bool IsWholeModuleImage(std::string_view head, std::uint64_t fileSize);
bool IsWholeModuleFile(const std::wstring& path);

}  // namespace netrune
