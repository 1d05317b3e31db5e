#include "comkit/ServerRegistration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "comkit/ComPtr.h"
#include "comkit/Registrar.h"

namespace comkit {

namespace {

std::wstring ModulePath(HINSTANCE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The script resource is UTF-8 text without a terminator.
std::optional<RegistryScript> LoadScript(HINSTANCE module) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kRegistryScriptId), L"REGISTRY");
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    const int size = static_cast<int>(SizeofResource(module, resource));
    std::wstring text(MultiByteToWideChar(CP_UTF8, 0, bytes, size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes, size, text.data(), static_cast<int>(text.size()));
    const std::wstring path = ModulePath(module);
    if (path.empty()) return std::nullopt;
    return ParseRegistryScript(text, {{L"MODULE", path}});
}

}  // namespace

HRESULT RegisterServer(HINSTANCE module) {
    const auto script = LoadScript(module);
    if (!script) return SELFREG_E_CLASS;
    if (const HRESULT hr = RegisterScript(*script); FAILED(hr)) return hr;
    ComPtr<ITypeLib> library;
    return LoadTypeLibEx(ModulePath(module).c_str(), REGKIND_REGISTER, library.put());
}

HRESULT UnregisterServer(HINSTANCE module) {
    if (const auto script = LoadScript(module)) UnregisterScript(*script);
    return S_OK;
}

}  // namespace comkit
