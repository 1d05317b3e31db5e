#include "viewer/app/EffectInstaller.h"

#include <objbase.h>

#include <cstdio>

#include "comkit/ComPtr.h"
#include "comkit/ServerEntry.h"
#include "contract/module_identity.h"
#include "viewer/app/Messages.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/app/WholeFile.h"
#include "viewer/core/AppendedData.h"
#include "viewer/core/Markers.h"
#include "winkit/AnsiText.h"
#include "winkit/StdioFile.h"

namespace app {
namespace {

constexpr char kModulePrefix[] = "ZEQ";

// The module's registration entry; its result is not needed: a module whose
// registration failed is still unregistered at exit.
void CallServerEntry(const std::string& path, comkit::ServerEntry entry) {
    comkit::CallServerEntry(winkit::ToWide(path), entry);
}

std::string LongPath(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = GetLongPathNameA(path.c_str(), full, sizeof full);
    return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

bool IsRegisteredAt(const CLSID& clsid, const std::string& path) {
    const std::string server = winkit::ToAnsi(comkit::RegisteredServer(clsid));
    return !server.empty() && lstrcmpiA(LongPath(server).c_str(), LongPath(path).c_str()) == 0;
}

std::string TempFolder() {
    char folder[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof folder, folder);
    return length > 0 && length <= MAX_PATH ? std::string(folder, length) : std::string();
}

}  // namespace

bool IsClassRegistered(const CLSID& clsid) {
    comkit::ComPtr<IClassFactory> factory;
    return SUCCEEDED(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()));
}

std::string WriteTempBinary(std::span<const std::uint8_t> bytes, const std::string& folder) {
    const std::string directory = folder.empty() ? TempFolder() : folder;
    char name[MAX_PATH];
    bool written = false;
    const bool created = !directory.empty() && GetTempFileNameA(directory.c_str(), kModulePrefix, 0, name) != 0;
    if (created) {
        winkit::StdioFile file(std::fopen(name, "wb"));
        written = file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                  std::fclose(file.release()) == 0;
    }
    if (written) return name;
    // A module cut short must not be registered, nor left behind.
    if (created) DeleteFileA(name);
    ShowMessage(L"フォントファイルが出力できませんでした", MB_OK | MB_ICONEXCLAMATION);
    return {};
}

void EffectInstaller::Queue(const CLSID& clsid, std::span<const std::uint8_t> bytes) {
    std::string path = WriteTempBinary(bytes);
    if (!path.empty()) modules_.push_back({std::move(path), clsid});
}

void EffectInstaller::InstallResourceEffect(HMODULE resources) {
    const CLSID& clsid = contract::Identity(contract::Module::Static).clsid;
    if (IsClassRegistered(clsid)) return;
    HRSRC found = FindResourceA(resources, MAKEINTRESOURCEA(IDR_STATIC_MODULE), "VIVIFONT");
    HGLOBAL loaded = found ? LoadResource(resources, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return;
    Queue(clsid, {static_cast<const std::uint8_t*>(bytes), SizeofResource(resources, found)});
}

void EffectInstaller::InstallAppendedEffects(const std::string& executable, HMODULE resources) {
    const WholeFile image = ReadWholeFile(executable);
    if (image.status != WholeFile::Status::Read) return;
    const core::AppendedData appended = core::ScanAppendedData(image.bytes, core::EffectMarker(resources), core::DocumentMarker(resources));
    for (const core::AppendedEffect& effect : appended.effects)
        if (!IsClassRegistered(effect.clsid)) Queue(effect.clsid, effect.module);
    for (const Module& module : modules_) CallServerEntry(module.path, comkit::ServerEntry::Register);
}

void EffectInstaller::UninstallEffects() {
    CoFreeUnusedLibraries();
    for (const Module& module : modules_)
        if (IsRegisteredAt(module.clsid, module.path))
            CallServerEntry(module.path, comkit::ServerEntry::Unregister);
    for (const Module& module : modules_) DeleteFileA(module.path.c_str());
    modules_.clear();
}

}  // namespace app
