// Small helpers for tests that look at the registry or run other programs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace testsupport {

bool KeyExists(HKEY root, const std::wstring& path);
// A REG_SZ value; the default value when name is empty.
std::optional<std::wstring> ReadString(HKEY root, const std::wstring& path, const std::wstring& name = L"");
// Runs a command line to its end and answers its exit code (-1 when it did not start).
int RunProcess(std::wstring commandLine);

// A class as the registry spells it: "{...}".
std::wstring ClsidText(const CLSID& clsid);
// regsvr32 without its boxes (with /u: unregistering) on a module given by its
// Windows path, as an installer runs it; its exit code.
int Regsvr32(const std::wstring& module, bool unregister = false);
// The file registered as the class's in-process server; none when the class has none.
std::optional<std::wstring> RegisteredServer(const CLSID& clsid);

}  // namespace testsupport
