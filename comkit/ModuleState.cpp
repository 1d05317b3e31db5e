#include "comkit/ModuleState.h"

namespace comkit {

namespace {
// Apartment-threaded servers are only entered from their apartment's thread,
// so plain counters suffice.
HINSTANCE g_instance = nullptr;
long g_objects = 0;
long g_locks = 0;
}  // namespace

HINSTANCE ModuleState::Instance() { return g_instance ? g_instance : GetModuleHandleW(nullptr); }
void ModuleState::SetInstance(HINSTANCE instance) { g_instance = instance; }
void ModuleState::ObjectCreated() { ++g_objects; }
void ModuleState::ObjectDestroyed() { --g_objects; }
void ModuleState::Lock() { ++g_locks; }
void ModuleState::Unlock() { --g_locks; }
long ModuleState::LiveObjects() { return g_objects; }
bool ModuleState::CanUnload() { return g_objects == 0 && g_locks == 0; }

std::wstring ModulePath(HINSTANCE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace comkit
