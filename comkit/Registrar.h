// Applies a parsed registry script to HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

#include "comkit/RegistryScript.h"

namespace comkit {

// Writes every key and value. ForceRemove keys are deleted with their subtree
// first. Returns S_OK, or SELFREG_E_CLASS when a key or value cannot be written.
HRESULT RegisterScript(const RegistryScript& script, HKEY root = HKEY_CLASSES_ROOT);

// Removes every key the script writes except NoRemove keys, whose subkeys it
// visits instead.
HRESULT UnregisterScript(const RegistryScript& script, HKEY root = HKEY_CLASSES_ROOT);

}  // namespace comkit
