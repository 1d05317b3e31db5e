// A module whose DllRegisterServer writes its class's keys, naming this
// file, and then fails, as a module may that breaks off half way;
// DllUnregisterServer removes them again.
#include <windows.h>

#include <objbase.h>
#include <olectl.h>

#include <string>

#include "tests/viewer/app/FailingRegistration.h"
#include "winkit/AnsiText.h"
#include "winkit/RegistryKey.h"

namespace {

HMODULE self = nullptr;

std::string ClassKey() {
    wchar_t text[40];
    StringFromGUID2(apptest::kFailingRegistrationClsid, text, 40);
    return "CLSID\\" + winkit::ToAnsi(text);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) self = instance;
    return TRUE;
}

STDAPI DllRegisterServer() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(self, path, sizeof path);
    winkit::RegistryKey server;
    if (length > 0 && length < sizeof path &&
        RegCreateKeyExA(HKEY_CLASSES_ROOT, (ClassKey() + "\\InprocServer32").c_str(), 0, nullptr, 0, KEY_WRITE,
                        nullptr, server.out(), nullptr) == ERROR_SUCCESS)
        RegSetValueExA(server.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path), length + 1);
    return SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ClassKey().c_str());
    return S_OK;
}

STDAPI DllGetClassObject(REFCLSID, REFIID, void** object) {
    *object = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return S_OK; }
