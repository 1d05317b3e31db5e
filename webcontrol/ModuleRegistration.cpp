#include "webcontrol/ModuleRegistration.h"

#include "winkit/Module.h"

namespace netrune {

HRESULT RegisterModuleFile(const std::wstring& path) {
    const winkit::Module library(LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!library) return HRESULT_FROM_WIN32(GetLastError());
    using Entry = HRESULT(STDAPICALLTYPE*)();
    const auto registerServer = reinterpret_cast<Entry>(
        reinterpret_cast<void*>(GetProcAddress(library.get(), "DllRegisterServer")));
    if (!registerServer) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return registerServer();
}

}  // namespace netrune
