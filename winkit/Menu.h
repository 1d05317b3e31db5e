// Scoped ownership of a menu that no window owns (a pop-up loaded for one
// use), destroyed at scope end.
#pragma once

#include <windows.h>

#include "winkit/UniqueHandle.h"

namespace winkit {

using Menu = UniqueHandle<NullEmptyTraits<HMENU, DestroyMenu>>;

}  // namespace winkit
