// The class factory of a module's one class, and the DllGetClassObject
// behaviour built on it. The class supplies a static ClassId().
#pragma once

#include <objbase.h>

#include <new>

#include "comkit/ComObject.h"
#include "comkit/NoThrow.h"

namespace comkit {

template <class Object>
class ClassFactory final : public ComObject<IClassFactory> {
public:
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        // A constructor that allocates may still throw.
        return Guarded([&] {
            auto* object = new (std::nothrow) Object;
            if (!object) return E_OUTOFMEMORY;
            object->AddRef();
            const HRESULT hr = object->QueryInterface(iid, out);
            object->Release();
            return hr;
        });
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock)
            ModuleState::Lock();
        else
            ModuleState::Unlock();
        return S_OK;
    }
};

template <class Object>
HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, Object::ClassId())) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) ClassFactory<Object>;
    if (!factory) return E_OUTOFMEMORY;
    factory->AddRef();
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

}  // namespace comkit
