// The host objects lent to effects (runs and the font cache): effects keep
// them without counting references and the host decides their lifetime, so
// they answer only for their own interface and their counts count nothing.
#pragma once

#include <objbase.h>

namespace comkit {

template <class Interface>
class LentObject : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualIID(iid, __uuidof(Interface))) return E_NOINTERFACE;
        *out = static_cast<Interface*>(this);
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 0; }
    STDMETHODIMP_(ULONG) Release() override { return 0; }

protected:
    LentObject() = default;
    ~LentObject() = default;
};

}  // namespace comkit
