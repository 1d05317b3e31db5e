// The state of one COM server module: its instance handle and the count of
// live objects and server locks that DllCanUnloadNow answers from.
#pragma once

#include <windows.h>

#include <string>

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

// The full path of a module's file; empty when it cannot be had.
std::wstring ModulePath(HINSTANCE module);

}  // namespace comkit
