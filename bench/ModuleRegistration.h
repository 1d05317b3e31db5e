// A module that serves its class for the length of a benchmark run: when the
// class is registered at no path or at another module's, the module at the
// given path is registered through its own DllRegisterServer; at the end it
// is unregistered again and a module that served the class before is
// registered again, so the prefix is left as it was found.
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

    // The class can be created now, from the module at the path.
    bool Ready() const { return ready_; }

private:
    std::wstring path_;
    std::wstring previous_;  // the module that served the class before, if another
    bool registered_ = false;
    bool ready_ = false;
};

}  // namespace bench
