// An effect object made straight from a module file, without registration:
// the module is loaded and asked for its class object.
#pragma once

#include <windows.h>

#include <string>

#include "comkit/ComPtr.h"
#include "contract/contract.h"
#include "winkit/Module.h"

namespace bench {

class LoadedModule {
public:
    explicit LoadedModule(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}

    explicit operator bool() const { return static_cast<bool>(module_); }
    // A new object of the module's class, or null.
    comkit::ComPtr<IViviFont> Create(const CLSID& clsid) const;

private:
    winkit::Module module_;
};

}  // namespace bench
