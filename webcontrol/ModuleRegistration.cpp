#include "webcontrol/ModuleRegistration.h"

namespace netrune {
namespace {

struct Library {
    HMODULE handle;
    explicit Library(const std::wstring& path)
        : handle(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() {
        if (handle) FreeLibrary(handle);
    }
};

}  // namespace

HRESULT RegisterModuleFile(const std::wstring& path) {
    const Library library(path);
    if (!library.handle) return HRESULT_FROM_WIN32(GetLastError());
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto registerServer = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(library.handle, "DllRegisterServer")));
    if (!registerServer) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return registerServer();
}

}  // namespace netrune
