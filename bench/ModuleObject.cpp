#include "bench/ModuleObject.h"

namespace bench {

comkit::ComPtr<IViviFont> LoadedModule::Create(const CLSID& clsid) const {
    comkit::ComPtr<IViviFont> effect;
    if (!module_) return effect;
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto get = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module_.get(), "DllGetClassObject")));
    comkit::ComPtr<IClassFactory> factory;
    if (!get || FAILED(get(clsid, IID_IClassFactory, factory.put_void()))) return effect;
    factory->CreateInstance(nullptr, IID_IViviFont, effect.put_void());
    return effect;
}

}  // namespace bench
