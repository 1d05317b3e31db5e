#include "webcontrol/DownloadTarget.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <vector>

namespace netrune {
namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring CommonFilesFolder() {
    DWORD bytes = 0;
    constexpr wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    constexpr wchar_t kValue[] = L"CommonFilesDir";
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return {};
    std::wstring folder(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, nullptr, folder.data(), &bytes) !=
        ERROR_SUCCESS)
        return {};
    folder.resize(wcsnlen(folder.c_str(), folder.size()));
    return folder;
}

bool IsDeviceName(std::wstring_view name) {
    // The device is named by what comes before the first dot, trailing spaces aside.
    std::wstring stem(name.substr(0, name.find(L'.')));
    while (!stem.empty() && stem.back() == L' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](wchar_t c) { return std::towupper(c); });
    static const std::array<const wchar_t*, 6> kDevices = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::find_if(kDevices.begin(), kDevices.end(), [&](const wchar_t* d) { return stem == d; }) != kDevices.end())
        return true;
    return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'0' &&
           stem[3] <= L'9';
}

bool IsFileNameCharacter(wchar_t c) { return c >= 0x20 && std::wstring_view(L"\\/:*?\"<>|").find(c) == std::wstring_view::npos; }

}  // namespace

std::wstring JoinPath(std::wstring_view left, std::wstring_view right) {
    std::wstring path(left);
    if (path.empty() || path.back() != L'\\') path += L'\\';
    path += right;
    return path;
}

std::wstring SharedModuleFolder() {
    std::wstring folder = CommonFilesFolder();
    for (const wchar_t* level : {L"Tarvik Shared", L"Ondelle-Writer", L"Vivi Fonts"}) folder = JoinPath(folder, level);
    return folder;
}

std::optional<std::wstring> ModuleFileName(std::wstring_view codeBase) {
    if (codeBase.ends_with(L'/')) codeBase.remove_suffix(1);
    const std::size_t slash = codeBase.rfind(L'/');
    if (slash == std::wstring_view::npos) return std::nullopt;
    const std::wstring_view name = codeBase.substr(slash + 1);
    if (name.empty() || name == L"." || name == L"..") return std::nullopt;
    if (!std::all_of(name.begin(), name.end(), IsFileNameCharacter)) return std::nullopt;
    if (name.back() == L'.' || name.back() == L' ') return std::nullopt;
    // Without an extension the loader looks for "<name>.dll" instead.
    if (name.find(L'.') == std::wstring_view::npos) return std::nullopt;
    if (IsDeviceName(name)) return std::nullopt;
    return std::wstring(name);
}

std::optional<std::wstring> ModuleTarget(std::wstring_view folder, std::wstring_view codeBase) {
    const auto name = ModuleFileName(codeBase);
    if (!name) return std::nullopt;
    std::wstring path = JoinPath(folder, *name);
    // COM loads a server only by a path shorter than MAX_PATH.
    if (path.size() >= MAX_PATH) return std::nullopt;
    return path;
}

bool CreateFolderChain(std::wstring folder) {
    if (folder.ends_with(L'\\')) folder.pop_back();
    std::vector<std::wstring> missing;
    while (!IsFolder(folder)) {
        const std::size_t cut = folder.rfind(L'\\');
        if (cut == std::wstring::npos) return false;
        missing.push_back(folder.substr(cut + 1));
        folder.resize(cut);
    }
    for (auto level = missing.rbegin(); level != missing.rend(); ++level) {
        folder = JoinPath(folder, *level);
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    return IsFolder(folder);
}

}  // namespace netrune
