// IOleObject: the control's place in its container.
#include "comkit/control/Control.h"

namespace comkit {

STDMETHODIMP Control::SetClientSite(IOleClientSite* site) {
    clientSite_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

STDMETHODIMP Control::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = ComPtr<IOleClientSite>(clientSite_).detach();
    return S_OK;
}

STDMETHODIMP Control::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP Control::Close(DWORD) {
    const auto alive = KeepAlive();
    InPlaceDeactivate();
    if (oleAdvise_) oleAdvise_->SendOnClose();
    return S_OK;
}

STDMETHODIMP Control::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP Control::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP Control::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP Control::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP Control::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT position) {
    const auto alive = KeepAlive();
    if (site && !clientSite_) SetClientSite(site);
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return InPlaceActivate(verb, position);
    case OLEIVERB_HIDE:
        return InPlaceDeactivate();
    default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP Control::EnumVerbs(IEnumOLEVERB** verbs) { return OleRegEnumVerbs(clsid_, verbs); }
STDMETHODIMP Control::Update() { return S_OK; }
STDMETHODIMP Control::IsUpToDate() { return S_OK; }

STDMETHODIMP Control::GetUserClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = clsid_;
    return S_OK;
}

STDMETHODIMP Control::GetUserType(DWORD form, LPOLESTR* type) { return OleRegGetUserType(clsid_, form, type); }

STDMETHODIMP Control::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    const auto alive = KeepAlive();
    extent_ = *size;
    SetDirty();
    FireViewChange();
    return S_OK;
}

STDMETHODIMP Control::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    *size = extent_;
    return S_OK;
}

STDMETHODIMP Control::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!oleAdvise_ && FAILED(CreateOleAdviseHolder(oleAdvise_.put()))) return E_OUTOFMEMORY;
    return oleAdvise_->Advise(sink, connection);
}

STDMETHODIMP Control::Unadvise(DWORD connection) {
    return oleAdvise_ ? oleAdvise_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP Control::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return oleAdvise_ ? oleAdvise_->EnumAdvise(advises) : E_FAIL;
}

STDMETHODIMP Control::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = miscStatus_;
    return S_OK;
}

STDMETHODIMP Control::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace comkit
