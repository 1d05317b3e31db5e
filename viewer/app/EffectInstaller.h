// The effect modules the viewer brings with it: the Static module carried as
// a resource and the modules appended to its executable. Each one whose class
// is not registered yet is written to a temporary file and registered for the
// lifetime of the process; at exit it is unregistered and its file deleted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace app {

class EffectInstaller {
public:
    struct Module {
        std::string path;  // the temporary file
        CLSID clsid;       // the class the module serves
    };

    EffectInstaller() = default;
    EffectInstaller(const EffectInstaller&) = delete;
    EffectInstaller& operator=(const EffectInstaller&) = delete;

    // Queues the module carried as resource "VIVIFONT" 132 of `resources`
    // unless the StaticFont class is registered.
    void InstallResourceEffect(HMODULE resources);
    // Queues every module appended to `executable` (after the effect marker
    // assembled from `resources`) whose class is not registered, then
    // registers every queued module in order. When the executable cannot be
    // read whole, nothing is registered.
    void InstallAppendedEffects(const std::string& executable, HMODULE resources);
    // Unregisters each module written out whose class names its file
    // (another program may have registered the class since), whatever its
    // registration answered: a failing one may have written keys before it
    // failed. Then deletes every file written.
    void UninstallEffects();

    const std::vector<Module>& Modules() const { return modules_; }

private:
    void Queue(const CLSID& clsid, std::span<const std::uint8_t> bytes);

    std::vector<Module> modules_;  // in writing order
};

// True when an in-process class object can be had for the class.
bool IsClassRegistered(const CLSID& clsid);

// Writes `bytes` to a new file named "ZEQ....tmp" in `folder` (the user's
// temporary folder when empty) and answers its path. A file that cannot be
// written whole is deleted, the user is told, and the answer is empty.
std::string WriteTempBinary(std::span<const std::uint8_t> bytes, const std::string& folder = {});

}  // namespace app
