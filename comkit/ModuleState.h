// The state of one COM server module: its instance handle and the count of
// live objects and server locks that DllCanUnloadNow answers from.
#pragma once

#include <windows.h>

namespace comkit {

class ModuleState {
public:
    // Falls back to the process's executable when the code is linked into one.
    static HINSTANCE Instance();
    static void SetInstance(HINSTANCE instance);

    static void ObjectCreated();
    static void ObjectDestroyed();
    static void Lock();
    static void Unlock();
    static long LiveObjects();
    static bool CanUnload();
};

}  // namespace comkit
