#include "comkit/Registrar.h"

#include <olectl.h>

#include "winkit/RegistryKey.h"

namespace comkit {

namespace {

bool SetValue(HKEY key, const wchar_t* name, const ScriptValue& value) {
    if (value.type == ScriptValue::Type::Dword)
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value.number), sizeof(DWORD)) ==
               ERROR_SUCCESS;
    const DWORD bytes = static_cast<DWORD>((value.text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool DeleteTree(HKEY parent, const std::wstring& name) {
    const LSTATUS status = RegDeleteTreeW(parent, name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool Register(HKEY parent, const ScriptKey& key) {
    if (key.flag == ScriptKey::Flag::Delete) return DeleteTree(parent, key.name);
    if (key.flag == ScriptKey::Flag::ForceRemove && !DeleteTree(parent, key.name)) return false;
    winkit::RegistryKey handle;
    if (RegCreateKeyExW(parent, key.name.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, handle.out(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    if (key.defaultValue && !SetValue(handle.get(), nullptr, *key.defaultValue)) return false;
    for (const auto& [name, value] : key.values)
        if (!SetValue(handle.get(), name.c_str(), value)) return false;
    for (const ScriptKey& subkey : key.subkeys)
        if (!Register(handle.get(), subkey)) return false;
    return true;
}

void Unregister(HKEY parent, const ScriptKey& key) {
    if (key.flag == ScriptKey::Flag::Delete) return;
    if (key.flag != ScriptKey::Flag::NoRemove) {
        DeleteTree(parent, key.name);
        return;
    }
    winkit::RegistryKey handle;
    if (RegOpenKeyExW(parent, key.name.c_str(), 0, KEY_READ | KEY_WRITE, handle.out()) != ERROR_SUCCESS) return;
    for (const ScriptKey& subkey : key.subkeys) Unregister(handle.get(), subkey);
}

// A component category is shared by every class that implements it: removing
// one class must not take the category's registration from the others.
bool IsSharedCategoryRoot(const ScriptKey& key) { return _wcsicmp(key.name.c_str(), L"Component Categories") == 0; }

}  // namespace

HRESULT RegisterScript(const RegistryScript& script, HKEY root) {
    for (const ScriptKey& key : script.keys)
        if (!Register(root, key)) return SELFREG_E_CLASS;
    return S_OK;
}

HRESULT UnregisterScript(const RegistryScript& script, HKEY root) {
    for (const ScriptKey& key : script.keys)
        if (!IsSharedCategoryRoot(key)) Unregister(root, key);
    return S_OK;
}

}  // namespace comkit
