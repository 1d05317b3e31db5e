#include "comkit/control/Control.h"

#include "comkit/ComObject.h"
#include "comkit/Make.h"
#include "comkit/ModuleState.h"

namespace comkit {
namespace {

// Two inches square until the container or the control says otherwise.
constexpr LONG kDefaultExtent = 2 * 2540;

class NoConnectionPoints final : public ComObject<IEnumConnectionPoints> {
public:
    STDMETHODIMP Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override {
        if (count > 0 && !points) return E_POINTER;
        if (fetched) *fetched = 0;
        return count == 0 ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override { return count == 0 ? S_OK : S_FALSE; }
    STDMETHODIMP Reset() override { return S_OK; }
    STDMETHODIMP Clone(IEnumConnectionPoints** copy) override { return Make(copy); }

    static HRESULT Make(IEnumConnectionPoints** out) {
        if (!out) return E_POINTER;
        *out = comkit::Make<NoConnectionPoints>().detach();
        return *out ? S_OK : E_OUTOFMEMORY;
    }
};

bool Answer(REFIID asked, REFIID answered, void* object, void** out) {
    if (!IsEqualIID(asked, answered)) return false;
    *out = object;
    return true;
}

}  // namespace

Control::Control(const CLSID& clsid, DWORD miscStatus, PropertyMap properties, const IID& dualIid)
    : clsid_(clsid), miscStatus_(miscStatus), properties_(properties), dualIid_(dualIid),
      extent_{kDefaultExtent, kDefaultExtent} {
    ModuleState::ObjectCreated();
}

Control::~Control() {
    if (window_) DestroyOrphanedWindow(window_);
    ModuleState::ObjectDestroyed();
}

HRESULT Control::QueryBaseInterface(REFIID iid, void** out) {
    const bool found =
        Answer(iid, IID_IObjectSafety, static_cast<IObjectSafety*>(this), out) ||
        Answer(iid, IID_IViewObjectEx, static_cast<IViewObjectEx*>(this), out) ||
        Answer(iid, IID_IViewObject2, static_cast<IViewObject2*>(this), out) ||
        Answer(iid, IID_IViewObject, static_cast<IViewObject*>(this), out) ||
        Answer(iid, IID_IOleInPlaceObjectWindowless, static_cast<IOleInPlaceObjectWindowless*>(this), out) ||
        Answer(iid, IID_IOleInPlaceObject, static_cast<IOleInPlaceObject*>(this), out) ||
        Answer(iid, IID_IOleWindow, static_cast<IOleInPlaceObject*>(this), out) ||
        Answer(iid, IID_IOleInPlaceActiveObject, static_cast<IOleInPlaceActiveObject*>(this), out) ||
        Answer(iid, IID_IOleControl, static_cast<IOleControl*>(this), out) ||
        Answer(iid, IID_IOleObject, static_cast<IOleObject*>(this), out) ||
        Answer(iid, IID_IPersistStreamInit, static_cast<IPersistStreamInit*>(this), out) ||
        Answer(iid, IID_IPersist, static_cast<IPersistStreamInit*>(this), out) ||
        Answer(iid, IID_IPersistPropertyBag, static_cast<IPersistPropertyBag*>(this), out) ||
        Answer(iid, IID_ISupportErrorInfo, static_cast<ISupportErrorInfo*>(this), out) ||
        Answer(iid, IID_IConnectionPointContainer, static_cast<IConnectionPointContainer*>(this), out);
    if (!found) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP Control::GetInterfaceSafetyOptions(REFIID, DWORD* supported, DWORD* enabled) {
    if (!supported || !enabled) return E_POINTER;
    *supported = *enabled = INTERFACESAFE_FOR_UNTRUSTED_CALLER | INTERFACESAFE_FOR_UNTRUSTED_DATA;
    return S_OK;
}

STDMETHODIMP Control::SetInterfaceSafetyOptions(REFIID, DWORD, DWORD) { return S_OK; }

STDMETHODIMP Control::InterfaceSupportsErrorInfo(REFIID iid) { return IsEqualIID(iid, dualIid_) ? S_OK : S_FALSE; }

STDMETHODIMP Control::EnumConnectionPoints(IEnumConnectionPoints** points) { return NoConnectionPoints::Make(points); }

STDMETHODIMP Control::FindConnectionPoint(REFIID, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP Control::GetControlInfo(CONTROLINFO*) { return E_NOTIMPL; }
STDMETHODIMP Control::OnMnemonic(MSG*) { return S_OK; }
STDMETHODIMP Control::OnAmbientPropertyChange(DISPID) { return S_OK; }
STDMETHODIMP Control::FreezeEvents(BOOL) { return S_OK; }

bool Control::GetAmbientProperty(DISPID dispid, VARIANT* value) const {
    VariantInit(value);
    if (!clientSite_) return false;
    const auto ambient = clientSite_.As<IDispatch>(IID_IDispatch);
    if (!ambient) return false;
    DISPPARAMS none{};
    return SUCCEEDED(ambient->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value,
                                     nullptr, nullptr)) &&
           value->vt != VT_EMPTY;
}

void Control::FireViewChange() {
    if (window_) {
        InvalidateRect(window_, nullptr, TRUE);
    } else if (viewSink_) {
        viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
    }
}

void Control::RequestNewObjectLayout() {
    if (clientSite_) clientSite_->RequestNewObjectLayout();
}

}  // namespace comkit
