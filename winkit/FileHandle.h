// Scoped ownership of a handle from CreateFile, whose failure value is
// INVALID_HANDLE_VALUE rather than null.
#pragma once

#include <windows.h>

#include "winkit/UniqueHandle.h"

namespace winkit {

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

using FileHandle = UniqueHandle<FileHandleTraits>;

}  // namespace winkit
