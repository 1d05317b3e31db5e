#include "webcontrol/ModuleImage.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "winkit/FileHandle.h"

namespace netrune {
namespace {

#if defined(__x86_64__)
constexpr WORD kHostMachine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD kHostMachine = IMAGE_FILE_MACHINE_I386;
#endif

// A structure at an offset of the head, when the head holds all of it.
template <class T>
bool ReadAt(std::string_view head, std::uint64_t offset, T& out) {
    if (offset > head.size() || head.size() - offset < sizeof out) return false;
    std::memcpy(&out, head.data() + offset, sizeof out);
    return true;
}

}  // namespace

bool IsWholeModuleImage(std::string_view head, std::uint64_t fileSize) {
    IMAGE_DOS_HEADER dos;
    if (!ReadAt(head, 0, dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew < 0) return false;
    const std::uint64_t ntAt = static_cast<std::uint64_t>(dos.e_lfanew);
    DWORD signature = 0;
    IMAGE_FILE_HEADER file;
    if (!ReadAt(head, ntAt, signature) || signature != IMAGE_NT_SIGNATURE) return false;
    const std::uint64_t fileAt = ntAt + sizeof signature;
    if (!ReadAt(head, fileAt, file) || file.Machine != kHostMachine || file.NumberOfSections == 0) return false;

    // The optional header of this architecture: its fixed part, then as many
    // data directories as the file says, which may be fewer than the structure has.
    constexpr std::size_t kFixedPart = offsetof(IMAGE_OPTIONAL_HEADER, DataDirectory);
    const std::uint64_t optionalAt = fileAt + sizeof file;
    if (file.SizeOfOptionalHeader < kFixedPart || optionalAt + kFixedPart > head.size()) return false;
    IMAGE_OPTIONAL_HEADER optional{};
    std::memcpy(&optional, head.data() + optionalAt, kFixedPart);
    if (optional.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC || optional.SizeOfHeaders > fileSize) return false;

    const std::uint64_t sectionsAt = optionalAt + file.SizeOfOptionalHeader;
    for (WORD index = 0; index < file.NumberOfSections; ++index) {
        IMAGE_SECTION_HEADER section;
        if (!ReadAt(head, sectionsAt + index * std::uint64_t{sizeof section}, section)) return false;
        const std::uint64_t end = std::uint64_t{section.PointerToRawData} + section.SizeOfRawData;
        if (section.SizeOfRawData > 0 && end > fileSize) return false;
    }
    return true;
}

bool IsWholeModuleFile(const std::wstring& path) {
    const winkit::FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return false;
    const auto fileSize = static_cast<std::uint64_t>(size.QuadPart);
    std::string head(static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kModuleHeadBytes)), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr) || read != head.size())
        return false;
    return IsWholeModuleImage(head, fileSize);
}

}  // namespace netrune
