#include "bench/ModuleRegistration.h"

#include <vector>

#include "comkit/ComPtr.h"
#include "winkit/Module.h"
#include "winkit/RegistryKey.h"

namespace bench {
namespace {

bool Creatable(const CLSID& clsid) {
    comkit::ComPtr<IUnknown> object;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()));
}

bool CallExport(const std::wstring& path, const char* name) {
    const winkit::Module module(LoadLibraryW(path.c_str()));
    if (!module) return false;
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module.get(), name)));
    return entry && SUCCEEDED(entry());
}

std::wstring FullPath(const std::wstring& path) {
    std::vector<wchar_t> full(MAX_PATH);
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return path;
    return std::wstring(full.data(), length);
}

// The module file registered for the class; empty when there is none.
std::wstring RegisteredModule(const CLSID& clsid) {
    wchar_t text[64];
    if (!StringFromGUID2(clsid, text, 64)) return {};
    const std::wstring name = std::wstring(L"CLSID\\") + text + L"\\InprocServer32";
    winkit::RegistryKey key;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) return {};
    wchar_t value[MAX_PATH] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return {};
    return value;
}

}  // namespace

ModuleRegistration::ModuleRegistration(const std::wstring& path, const CLSID& clsid) : path_(FullPath(path)) {
    const std::wstring registered = RegisteredModule(clsid);
    if (!registered.empty() && lstrcmpiW(FullPath(registered).c_str(), path_.c_str()) == 0) {
        ready_ = Creatable(clsid);
        return;
    }
    if (!registered.empty() && GetFileAttributesW(registered.c_str()) != INVALID_FILE_ATTRIBUTES)
        previous_ = registered;
    registered_ = CallExport(path_, "DllRegisterServer");
    ready_ = registered_ && Creatable(clsid);
}

ModuleRegistration::~ModuleRegistration() {
    if (!registered_) return;
    CoFreeUnusedLibraries();
    CallExport(path_, "DllUnregisterServer");
    if (!previous_.empty()) CallExport(previous_, "DllRegisterServer");
}

}  // namespace bench
