// Scoped ownership of a loaded module (LoadLibrary), freed at scope end.
#pragma once

#include <windows.h>

#include "winkit/UniqueHandle.h"

namespace winkit {

using Module = UniqueHandle<NullEmptyTraits<HMODULE, FreeLibrary>>;

}  // namespace winkit
