#include "viewer/app/WholeFile.h"

#include <windows.h>

#include <new>

#include "winkit/FileHandle.h"

namespace app {

WholeFile ReadWholeFile(const std::string& path) {
    WholeFile result;
    winkit::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return result;
    result.status = WholeFile::Status::ShortRead;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > MAXDWORD) return result;
    try {
        result.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        result.bytes.clear();
        return result;
    }
    DWORD got = 0;
    if (!ReadFile(file.get(), result.bytes.data(), static_cast<DWORD>(result.bytes.size()), &got, nullptr) ||
        got != result.bytes.size()) {
        result.bytes.clear();
        return result;
    }
    result.status = WholeFile::Status::Read;
    return result;
}

std::string OwnExecutablePath() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

}  // namespace app
