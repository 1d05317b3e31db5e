// IViewObjectEx: drawing the control into any context the container gives.
#include "comkit/control/Control.h"

namespace comkit {

STDMETHODIMP Control::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds, LPCRECTL,
                           BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc) return E_INVALIDARG;
    const auto alive = KeepAlive();
    RECT area{};
    if (bounds) {
        area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    } else if (window_) {
        GetClientRect(window_, &area);
    }
    OnDraw(dc, area);
    return S_OK;
}

STDMETHODIMP Control::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colours) {
    if (colours) *colours = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP Control::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
STDMETHODIMP Control::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP Control::SetAdvise(DWORD, DWORD flags, IAdviseSink* sink) {
    viewAdviseFlags_ = flags;
    // Last: letting the old sink go may run the container's code.
    viewSink_ = ComPtr<IAdviseSink>(sink);
    return S_OK;
}

STDMETHODIMP Control::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = DVASPECT_CONTENT;
    if (flags) *flags = viewAdviseFlags_;
    if (sink) *sink = ComPtr<IAdviseSink>(viewSink_).detach();
    return S_OK;
}

STDMETHODIMP Control::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

STDMETHODIMP Control::GetRect(DWORD aspect, LPRECTL rect) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!rect) return E_POINTER;
    *rect = {0, 0, extent_.cx, extent_.cy};
    return S_OK;
}

STDMETHODIMP Control::GetViewStatus(DWORD* status) {
    if (!status) return E_POINTER;
    *status = VIEWSTATUS_SOLIDBKGND | VIEWSTATUS_OPAQUE;
    return S_OK;
}

STDMETHODIMP Control::QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG, DWORD* hit) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!bounds || !hit) return E_POINTER;
    *hit = PtInRect(bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP Control::QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG, DWORD* hit) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!bounds || !location || !hit) return E_POINTER;
    RECT overlap;
    *hit = IntersectRect(&overlap, bounds, location) ? HITRESULT_HIT : HITRESULT_OUTSIDE;
    return S_OK;
}

STDMETHODIMP Control::GetNaturalExtent(DWORD, LONG, DVTARGETDEVICE*, HDC, DVEXTENTINFO*, LPSIZEL) {
    return E_NOTIMPL;
}

}  // namespace comkit
