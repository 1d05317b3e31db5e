// A control whose dual interface is answered first, then IDispatch, then the
// control base's interfaces; IDispatch works through the type library in the
// module's resources. Derived classes implement the dual interface's methods.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "comkit/NoThrow.h"
#include "comkit/control/Control.h"
#include "comkit/control/ModuleTypeInfo.h"

namespace comkit {

template <class Dual>
class DualControl : public Dual, public Control {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(Dual)) || IsEqualIID(iid, IID_IDispatch)) {
            *out = static_cast<Dual*>(this);
            AddRef();
            return S_OK;
        }
        return QueryBaseInterface(iid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG remaining = --references_;
        if (remaining == 0) {
            // Whatever the teardown reaches may take and drop a reference of
            // its own: that must not start the teardown again.
            references_ = kTearingDown;
            delete this;
        }
        return remaining;
    }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        if (HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
        *info = ComPtr<ITypeInfo>(typeInfo_).detach();
        return S_OK;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        if (HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
        return DispGetIDsOfNames(typeInfo_.get(), names, count, ids);
    }
    // The type information is the control's: it must outlive the call it serves.
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                        EXCEPINFO* exception, UINT* badArgument) override {
        if (HRESULT hr = LoadTypeInfo(); FAILED(hr)) return hr;
        const auto alive = KeepAlive();
        return DispInvoke(static_cast<Dual*>(this), typeInfo_.get(), dispid, flags, parameters, result, exception,
                          badArgument);
    }

protected:
    DualControl(const CLSID& clsid, DWORD miscStatus, PropertyMap properties)
        : Control(clsid, miscStatus, properties, __uuidof(Dual)) {}

    IDispatch* Dispatch() override { return static_cast<Dual*>(this); }

private:
    // The module's path is read into a string.
    HRESULT LoadTypeInfo() {
        return typeInfo_ ? S_OK : Guarded([this] { return LoadModuleTypeInfo(__uuidof(Dual), typeInfo_.put()); });
    }

    static constexpr ULONG kTearingDown = 1ul << 30;
    ComPtr<ITypeInfo> typeInfo_;
    ULONG references_ = 0;
};

}  // namespace comkit
