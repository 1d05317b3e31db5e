#include "tests/support/System.h"

#include <objbase.h>

#include "winkit/FileHandle.h"
#include "winkit/RegistryKey.h"

namespace testsupport {

bool KeyExists(HKEY root, const std::wstring& path) {
    winkit::RegistryKey key;
    return RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.out()) == ERROR_SUCCESS;
}

std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path, const std::wstring& name) {
    wchar_t buffer[1024];
    DWORD bytes = sizeof buffer;
    if (RegGetValueW(root, path.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                     &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(buffer);
}

int RunProcess(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    const winkit::FileHandle thread(process.hThread);
    const winkit::FileHandle child(process.hProcess);
    // The other program may ask this one's windows for something (the
    // clipboard's owner answers its readers), so the wait keeps dispatching
    // this thread's messages instead of blocking them. A quit message is
    // the caller's: it is posted again once the program has ended.
    std::optional<WPARAM> quit;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = message.wParam;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (quit) PostQuitMessage(static_cast<int>(*quit));
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    return static_cast<int>(code);
}

std::wstring ClsidText(const CLSID& clsid) {
    wchar_t text[40];
    StringFromGUID2(clsid, text, 40);
    return text;
}

int Regsvr32(const std::wstring& module, bool unregister) {
    return RunProcess(std::wstring(L"regsvr32.exe /s ") + (unregister ? L"/u " : L"") + L"\"" + module + L"\"");
}

std::optional<std::wstring> RegisteredServer(const CLSID& clsid) {
    return ReadString(HKEY_CLASSES_ROOT, L"CLSID\\" + ClsidText(clsid) + L"\\InprocServer32");
}

}  // namespace testsupport
