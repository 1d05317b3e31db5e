// The object template: QueryInterface answered from a list of interfaces,
// IUnknown being the first of them, with a plain reference count.
#pragma once

#include <objbase.h>

#include "comkit/ModuleState.h"

namespace comkit {

template <class First, class... Rest>
class ComObject : public First, public Rest... {
public:
    ComObject() { ModuleState::ObjectCreated(); }
    virtual ~ComObject() { ModuleState::ObjectDestroyed(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown)) {
            *out = static_cast<First*>(this);
        } else if (!((Match<First>(iid, out)) || ... || (Match<Rest>(iid, out)))) {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG remaining = --references_;
        if (remaining == 0) delete this;
        return remaining;
    }

private:
    template <class Interface>
    bool Match(REFIID iid, void** out) {
        if (!IsEqualIID(iid, __uuidof(Interface))) return false;
        *out = static_cast<Interface*>(this);
        return true;
    }

    ULONG references_ = 0;
};

}  // namespace comkit
