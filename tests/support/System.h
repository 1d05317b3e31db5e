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

}  // namespace testsupport
