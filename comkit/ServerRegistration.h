// DllRegisterServer and DllUnregisterServer of a module: its "REGISTRY"
// script (101 in effect modules) run with %MODULE% = the module file's path,
// and its "TYPELIB" 1.
#pragma once

#include <windows.h>

namespace comkit {

constexpr int kRegistryScriptId = 101;

HRESULT RegisterServer(HINSTANCE module, int scriptId = kRegistryScriptId);
// Always S_OK; the type library stays registered.
HRESULT UnregisterServer(HINSTANCE module, int scriptId = kRegistryScriptId);

}  // namespace comkit
