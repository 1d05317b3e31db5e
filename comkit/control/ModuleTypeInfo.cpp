#include "comkit/control/ModuleTypeInfo.h"

#include "comkit/ComPtr.h"
#include "comkit/ModuleState.h"

namespace comkit {

HRESULT LoadModuleTypeInfo(REFIID iid, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    ComPtr<ITypeLib> library;
    if (HRESULT hr = LoadTypeLibEx(ModulePath(ModuleState::Instance()).c_str(), REGKIND_NONE, library.put()); FAILED(hr)) return hr;
    return library->GetTypeInfoOfGuid(iid, info);
}

}  // namespace comkit
