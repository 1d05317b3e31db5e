// In-place activation: the control's window inside the container's, and the
// active-object side of the container's frame.
#include "comkit/control/Control.h"

#include "winkit/GdiHandles.h"

namespace comkit {
namespace {

struct WindowContext {
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT position{};
    RECT clip{};
    OLEINPLACEFRAMEINFO frameInfo{};

    bool Fetch(IOleInPlaceSite* site) {
        frameInfo.cb = sizeof frameInfo;
        return SUCCEEDED(site->GetWindowContext(frame.put(), document.put(), &position, &clip, &frameInfo));
    }
    // Null clears the active object.
    void SetActiveObject(IOleInPlaceActiveObject* object) const {
        if (frame) frame->SetActiveObject(object, nullptr);
        if (document) document->SetActiveObject(object, nullptr);
    }
};

}  // namespace

HRESULT Control::InPlaceActivate(LONG verb, const RECT* position) {
    if (!clientSite_) return E_UNEXPECTED;
    if (!inPlaceSite_) {
        ComPtr<IOleInPlaceSite> site = clientSite_.As<IOleInPlaceSite>(IID_IOleInPlaceSite);
        if (!site) return E_FAIL;
        if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
        if (FAILED(site->OnInPlaceActivate())) return E_FAIL;
        inPlaceSite_ = site;
    }
    if (!window_) {
        HWND parent = nullptr;
        WindowContext context;
        if (FAILED(inPlaceSite_->GetWindow(&parent)) || !context.Fetch(inPlaceSite_.get())) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        window_ = CreateControlWindow(this, parent, position ? *position : context.position);
        if (!window_) {
            InPlaceDeactivate();
            return E_FAIL;
        }
        ShowWindow(window_, SW_SHOWNA);
    }
    if ((verb == OLEIVERB_PRIMARY || verb == OLEIVERB_UIACTIVATE) && !uiActive_) {
        uiActive_ = true;
        inPlaceSite_->OnUIActivate();
        WindowContext context;
        if (context.Fetch(inPlaceSite_.get())) context.SetActiveObject(this);
    }
    return S_OK;
}

STDMETHODIMP Control::InPlaceDeactivate() {
    if (!inPlaceSite_) return S_OK;
    const auto alive = KeepAlive();
    UIDeactivate();
    if (window_) DestroyWindow(window_);
    const ComPtr<IOleInPlaceSite> site = std::move(inPlaceSite_);
    site->OnInPlaceDeactivate();
    return S_OK;
}

STDMETHODIMP Control::UIDeactivate() {
    if (!uiActive_ || !inPlaceSite_) return S_OK;
    const auto alive = KeepAlive();
    uiActive_ = false;
    WindowContext context;
    if (context.Fetch(inPlaceSite_.get())) context.SetActiveObject(nullptr);
    inPlaceSite_->OnUIDeactivate(FALSE);
    return S_OK;
}

STDMETHODIMP Control::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
}

STDMETHODIMP Control::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

STDMETHODIMP Control::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    if (window_)
        SetWindowPos(window_, nullptr, position->left, position->top, position->right - position->left,
                     position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

STDMETHODIMP Control::ReactivateAndUndo() { return E_NOTIMPL; }

// The control always has a window of its own: the container has no window
// messages to forward.
STDMETHODIMP Control::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) { return S_FALSE; }

STDMETHODIMP Control::GetDropTarget(IDropTarget** target) {
    if (!target) return E_POINTER;
    *target = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP Control::TranslateAccelerator(LPMSG) { return S_FALSE; }
STDMETHODIMP Control::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP Control::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP Control::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
STDMETHODIMP Control::EnableModeless(BOOL) { return S_OK; }

LRESULT Control::OnMessage(HWND, UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
}

LRESULT Control::HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    const auto alive = KeepAlive();
    if (message == WM_PAINT) {
        const winkit::PaintDC paint(window);
        RECT client;
        GetClientRect(window, &client);
        OnDraw(paint.get(), client);
        handled = true;
        return 0;
    }
    return OnMessage(window, message, wParam, lParam, handled);
}

void Control::OnWindowGone() { window_ = nullptr; }

}  // namespace comkit
