// An effect object made straight from a module file, without registration:
// the module is loaded and asked for its class object.
#pragma once

#include <windows.h>

#include <string>

#include "comkit/ComPtr.h"
#include "contract/contract.h"

namespace bench {

class LoadedModule {
public:
    explicit LoadedModule(const std::wstring& path) : module_(LoadLibraryW(path.c_str())) {}
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    ~LoadedModule() {
        if (module_) FreeLibrary(module_);
    }

    explicit operator bool() const { return module_ != nullptr; }
    // A new object of the module's class, or null.
    comkit::ComPtr<IViviFont> Create(const CLSID& clsid) const;

private:
    HMODULE module_;
};

}  // namespace bench
