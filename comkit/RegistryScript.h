// The registrar's script language: nested keys under HKEY_CLASSES_ROOT with
// default values, named values (`val`), the NoRemove / ForceRemove flags
// that decide what registration replaces and what unregistration leaves, and
// Delete for keys that registration removes.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace comkit {

struct ScriptValue {
    enum class Type { String, Dword };
    Type type = Type::String;
    std::wstring text;   // String
    DWORD number = 0;    // Dword
};

struct ScriptKey {
    // Delete: the key and its subtree go at registration; nothing is written.
    enum class Flag { None, NoRemove, ForceRemove, Delete };
    Flag flag = Flag::None;
    std::wstring name;
    std::optional<ScriptValue> defaultValue;
    std::vector<std::pair<std::wstring, ScriptValue>> values;
    std::vector<ScriptKey> subkeys;
};

struct RegistryScript {
    // The keys directly below HKEY_CLASSES_ROOT; no other root is accepted.
    std::vector<ScriptKey> keys;
};

// %NAME% -> replacement; "%%" stands for a single percent sign.
using ScriptVariables = std::map<std::wstring, std::wstring>;

// Parses the whole script before anything is written, so that a malformed
// script changes nothing. Returns nothing and sets `error` on failure.
std::optional<RegistryScript> ParseRegistryScript(const std::wstring& text, const ScriptVariables& variables,
                                                  std::wstring* error = nullptr);

}  // namespace comkit
