// The program's settings in the registry: values in sections under
// HKEY_CURRENT_USER\Software\<company>\<application>. Without a key every
// read answers its default and every write fails.
#pragma once

#include <windows.h>

#include <string>

#include "winkit/RegistryKey.h"

namespace appkit {

class Profile {
public:
    void SetKey(const std::string& company, const std::string& application);

    std::string GetString(const std::string& section, const std::string& entry, const std::string& fallback) const;
    UINT GetInt(const std::string& section, const std::string& entry, UINT fallback) const;
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value);
    bool WriteInt(const std::string& section, const std::string& entry, UINT value);

private:
    winkit::RegistryKey OpenSection(const std::string& section, bool create) const;

    std::string key_;  // below HKEY_CURRENT_USER; empty: no key set
};

}  // namespace appkit
