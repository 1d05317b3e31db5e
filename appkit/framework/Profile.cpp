#include "appkit/framework/Profile.h"

#include <algorithm>

namespace appkit {

void Profile::SetKey(const std::string& company, const std::string& application) {
    key_ = "Software\\" + company + "\\" + application;
}

winkit::RegistryKey Profile::OpenSection(const std::string& section, bool create) const {
    winkit::RegistryKey key;
    if (key_.empty()) return key;
    const std::string path = key_ + "\\" + section;
    const LONG status = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                                 key.out(), nullptr)
                               : RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.out());
    if (status != ERROR_SUCCESS) *key.out() = nullptr;
    return key;
}

std::string Profile::GetString(const std::string& section, const std::string& entry,
                               const std::string& fallback) const {
    const winkit::RegistryKey key = OpenSection(section, false);
    DWORD type = 0;
    DWORD bytes = 0;
    if (!key || RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    std::string value(bytes, '\0');
    if (RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) !=
        ERROR_SUCCESS)
        return fallback;
    value.resize(std::min<size_t>(bytes, value.size()));
    // The stored terminator is not part of the value.
    if (const size_t end = value.find('\0'); end != std::string::npos) value.resize(end);
    return value;
}

UINT Profile::GetInt(const std::string& section, const std::string& entry, UINT fallback) const {
    const winkit::RegistryKey key = OpenSection(section, false);
    DWORD type = 0;
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (!key || RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
                    ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return value;
}

bool Profile::WriteString(const std::string& section, const std::string& entry, const std::string& value) {
    const winkit::RegistryKey key = OpenSection(section, true);
    return key && RegSetValueExA(key.get(), entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Profile::WriteInt(const std::string& section, const std::string& entry, UINT value) {
    const winkit::RegistryKey key = OpenSection(section, true);
    const DWORD word = value;
    return key && RegSetValueExA(key.get(), entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&word),
                                 sizeof word) == ERROR_SUCCESS;
}

}  // namespace appkit
