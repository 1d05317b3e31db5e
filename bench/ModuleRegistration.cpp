#include "bench/ModuleRegistration.h"

#include <vector>

#include "comkit/ComPtr.h"
#include "comkit/ServerEntry.h"

namespace bench {
namespace {

bool Creatable(const CLSID& clsid) {
    comkit::ComPtr<IUnknown> object;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()));
}

bool CallExport(const std::wstring& path, comkit::ServerEntry entry) {
    return SUCCEEDED(comkit::CallServerEntry(path, entry));
}

std::wstring FullPath(const std::wstring& path) {
    std::vector<wchar_t> full(MAX_PATH);
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return path;
    return std::wstring(full.data(), length);
}

}  // namespace

ModuleRegistration::ModuleRegistration(const std::wstring& path, const CLSID& clsid) : path_(FullPath(path)) {
    const std::wstring registered = comkit::RegisteredServer(clsid);
    if (!registered.empty() && lstrcmpiW(FullPath(registered).c_str(), path_.c_str()) == 0) {
        ready_ = Creatable(clsid);
        return;
    }
    if (!registered.empty() && GetFileAttributesW(registered.c_str()) != INVALID_FILE_ATTRIBUTES)
        previous_ = registered;
    registered_ = CallExport(path_, comkit::ServerEntry::Register);
    ready_ = registered_ && Creatable(clsid);
}

ModuleRegistration::~ModuleRegistration() {
    if (!registered_) return;
    CoFreeUnusedLibraries();
    CallExport(path_, comkit::ServerEntry::Unregister);
    if (!previous_.empty()) CallExport(previous_, comkit::ServerEntry::Register);
}

}  // namespace bench
