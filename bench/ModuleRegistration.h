// A module registered for the length of a run of the document benchmark:
// registered through its own DllRegisterServer when its class cannot be
// created yet, and unregistered again at the end, so the prefix is left as
// it was found.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

class ModuleRegistration {
public:
    ModuleRegistration(const std::wstring& path, const CLSID& clsid);
    ModuleRegistration(const ModuleRegistration&) = delete;
    ModuleRegistration& operator=(const ModuleRegistration&) = delete;
    ~ModuleRegistration();

    // The class can be created now.
    bool Ready() const { return ready_; }

private:
    std::wstring path_;
    bool registered_ = false;
    bool ready_ = false;
};

}  // namespace bench
