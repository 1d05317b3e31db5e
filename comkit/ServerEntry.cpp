#include "comkit/ServerEntry.h"

#include <objbase.h>

#include "winkit/Module.h"
#include "winkit/RegistryKey.h"

namespace comkit {

HRESULT CallServerEntry(const std::wstring& path, ServerEntry entry) {
    const winkit::Module module(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!module) return HRESULT_FROM_WIN32(GetLastError());
    const char* name = entry == ServerEntry::Register ? "DllRegisterServer" : "DllUnregisterServer";
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto call = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
    if (!call) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return call();
}

std::wstring RegisteredServer(const CLSID& clsid) {
    wchar_t text[40];
    if (!StringFromGUID2(clsid, text, 40)) return {};
    const std::wstring name = std::wstring(L"CLSID\\") + text + L"\\InprocServer32";
    winkit::RegistryKey key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) return {};
    // Room for a terminator the value may lack.
    wchar_t value[MAX_PATH * 2] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return value;
}

}  // namespace comkit
