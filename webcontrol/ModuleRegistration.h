// Registration of a downloaded effect module by its own DllRegisterServer.
#pragma once

#include <windows.h>

#include <string>

namespace netrune {

// Loads the file by its full path (a name without an extension stays that
// name), calls DllRegisterServer and unloads it. Its result, or the failure
// to load or to find the entry point.
HRESULT RegisterModuleFile(const std::wstring& path);

}  // namespace netrune
