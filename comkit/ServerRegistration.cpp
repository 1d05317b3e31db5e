#include "comkit/ServerRegistration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>

#include "comkit/ComPtr.h"
#include "comkit/ModuleState.h"
#include "comkit/Registrar.h"

namespace comkit {

namespace {

// The script resource is UTF-8 text without a terminator.
std::optional<RegistryScript> LoadScript(HINSTANCE module, int scriptId) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(scriptId), L"REGISTRY");
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

HRESULT RegisterServer(HINSTANCE module, int scriptId) {
    const auto script = LoadScript(module, scriptId);
    if (!script) return SELFREG_E_CLASS;
    if (const HRESULT hr = RegisterScript(*script); FAILED(hr)) return hr;
    ComPtr<ITypeLib> library;
    return LoadTypeLibEx(ModulePath(module).c_str(), REGKIND_REGISTER, library.put());
}

HRESULT UnregisterServer(HINSTANCE module, int scriptId) {
    if (const auto script = LoadScript(module, scriptId)) UnregisterScript(*script);
    return S_OK;
}

}  // namespace comkit
