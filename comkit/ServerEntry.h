// A module file as an in-process server: calling its own registration entry
// (the module is loaded by its path, DllRegisterServer or DllUnregisterServer
// runs, and the module is unloaded again) and finding the file a class is
// registered under.
#pragma once

#include <windows.h>

#include <string>

namespace comkit {

enum class ServerEntry { Register, Unregister };

// The entry's result; HRESULT_FROM_WIN32 of the loader's error when the
// module cannot be loaded, or of ERROR_PROC_NOT_FOUND when it lacks the entry.
// The path should be a full one: the modules it depends on are looked for
// beside it first.
HRESULT CallServerEntry(const std::wstring& path, ServerEntry entry);

// The file named as the class's in-process server, as written there; empty
// when the class has none.
std::wstring RegisteredServer(const CLSID& clsid);

}  // namespace comkit
