#include "bench/ModuleRegistration.h"

#include "comkit/ComPtr.h"

namespace bench {
namespace {

bool Creatable(const CLSID& clsid) {
    comkit::ComPtr<IUnknown> object;
    return SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()));
}

bool CallExport(const std::wstring& path, const char* name) {
    const HMODULE module = LoadLibraryW(path.c_str());
    if (!module) return false;
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto entry = reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    const bool done = entry && SUCCEEDED(entry());
    FreeLibrary(module);
    return done;
}

}  // namespace

ModuleRegistration::ModuleRegistration(const std::wstring& path, const CLSID& clsid) : path_(path) {
    ready_ = Creatable(clsid);
    if (ready_) return;
    registered_ = CallExport(path_, "DllRegisterServer");
    ready_ = registered_ && Creatable(clsid);
}

ModuleRegistration::~ModuleRegistration() {
    if (!registered_) return;
    CoFreeUnusedLibraries();
    CallExport(path_, "DllUnregisterServer");
}

}  // namespace bench
