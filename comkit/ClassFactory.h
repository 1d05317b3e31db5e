// The class factory of a module's one class, and the DllGetClassObject
// behaviour built on it. The class supplies a static ClassId().
#pragma once

#include <objbase.h>

#include "comkit/ComObject.h"
#include "comkit/Make.h"
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
            const auto object = Make<Object>();
            if (!object) return E_OUTOFMEMORY;
            return object->QueryInterface(iid, out);
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
    const auto factory = Make<ClassFactory<Object>>();
    if (!factory) return E_OUTOFMEMORY;
    return factory->QueryInterface(iid, out);
}

}  // namespace comkit
