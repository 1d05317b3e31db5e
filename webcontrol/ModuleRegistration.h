// Registration of a downloaded effect module by its own DllRegisterServer.
#pragma once

#include <windows.h>

#include <string>

namespace netrune {

// Loads the file by its full path (its name has an extension, so the loader
// takes the name as it is), calls DllRegisterServer and unloads it. Its
// result, or the failure to load or to find the entry point.
HRESULT RegisterModuleFile(const std::wstring& path);

}  // namespace netrune
