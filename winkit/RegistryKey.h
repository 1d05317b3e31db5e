// Scoped ownership of an open registry key.
#pragma once

#include <windows.h>

#include "winkit/UniqueHandle.h"

namespace winkit {

using RegistryKey = UniqueHandle<NullEmptyTraits<HKEY, RegCloseKey>>;

}  // namespace winkit
