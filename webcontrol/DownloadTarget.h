// Where downloaded effect modules go: one shared folder below the system's
// common-files folder, and a plain file name taken from the code base.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace netrune {

// Joins with exactly one backslash between the parts.
std::wstring JoinPath(std::wstring_view left, std::wstring_view right);

// "CommonFilesDir" joined with "Tarvik Shared", "Ondelle-Writer", "Vivi Fonts".
std::wstring SharedModuleFolder();

// The last segment of the address (after one trailing "/" is dropped), when it
// is one plain file name with an extension: not empty, no "." or "..", no
// path separator, drive or stream colon, no character a file name cannot
// hold, no device name such as CON or COM1, nothing Windows would silently
// strip from its end.
std::optional<std::wstring> ModuleFileName(std::wstring_view codeBase);

// The file in the folder that the code base's module goes to, when its name
// is usable and the path can be loaded later (shorter than MAX_PATH).
std::optional<std::wstring> ModuleTarget(std::wstring_view folder, std::wstring_view codeBase);

// Creates the missing levels of the folder, outermost first; true when the
// folder exists afterwards.
bool CreateFolderChain(std::wstring folder);

}  // namespace netrune
