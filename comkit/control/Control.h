// The control base: the embedding, in-place activation, view, persistence and
// safety interfaces that a container and a web page expect of a window-only,
// apartment-threaded control, with the control's own child window. The
// control's dual interface, its IUnknown and its IDispatch come from
// DualControl; what it draws and which properties it keeps come from the
// derived class.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <objsafe.h>

#include "comkit/ComPtr.h"
#include "comkit/control/ControlWindow.h"
#include "comkit/control/PropertyMap.h"

namespace comkit {

class Control : public IObjectSafety,
                public IViewObjectEx,
                public IOleInPlaceObjectWindowless,
                public IOleInPlaceActiveObject,
                public IOleControl,
                public IOleObject,
                public IPersistStreamInit,
                public IPersistPropertyBag,
                public ISupportErrorInfo,
                public IConnectionPointContainer,
                private ControlWindowOwner {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // One IUnknown for every interface; DualControl answers it.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override = 0;
    STDMETHODIMP_(ULONG) AddRef() override = 0;
    STDMETHODIMP_(ULONG) Release() override = 0;

    // IObjectSafety: safe for untrusted callers and untrusted data.
    STDMETHODIMP GetInterfaceSafetyOptions(REFIID iid, DWORD* supported, DWORD* enabled) override;
    STDMETHODIMP SetInterfaceSafetyOptions(REFIID iid, DWORD mask, DWORD enabled) override;

    // IViewObject, IViewObject2, IViewObjectEx
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetInfo, HDC dc,
                      LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR contArgument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* target, HDC targetInfo,
                             LOGPALETTE** colours) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, LPSIZEL size) override;
    STDMETHODIMP GetRect(DWORD aspect, LPRECTL rect) override;
    STDMETHODIMP GetViewStatus(DWORD* status) override;
    STDMETHODIMP QueryHitPoint(DWORD aspect, LPCRECT bounds, POINT location, LONG closeHint, DWORD* hit) override;
    STDMETHODIMP QueryHitRect(DWORD aspect, LPCRECT bounds, LPCRECT location, LONG closeHint, DWORD* hit) override;
    STDMETHODIMP GetNaturalExtent(DWORD aspect, LONG index, DVTARGETDEVICE* target, HDC targetInfo,
                                  DVEXTENTINFO* info, LPSIZEL size) override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceObjectWindowless, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;
    STDMETHODIMP OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    STDMETHODIMP GetDropTarget(IDropTarget** target) override;
    STDMETHODIMP TranslateAccelerator(LPMSG message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR application, LPCOLESTR object) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* clsid) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag
    STDMETHODIMP GetClassID(CLSID* clsid) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM stream) override;
    STDMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;

    // ISupportErrorInfo
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    // IConnectionPointContainer: the control fires no events.
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

protected:
    // The class, its OLE misc status, its property map and the IID of its
    // dual interface.
    Control(const CLSID& clsid, DWORD miscStatus, PropertyMap properties, const IID& dualIid);
    virtual ~Control();

    virtual IDispatch* Dispatch() = 0;
    // Every interface of the base, in the order a control answers them after
    // its dual interface and IDispatch.
    HRESULT QueryBaseInterface(REFIID iid, void** out);

    // Draws the control into a context, window painting and IViewObject alike.
    virtual void OnDraw(HDC dc, const RECT& bounds) = 0;
    // The control's window messages; unhandled ones take the default path.
    virtual LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    HWND Window() const { return window_; }
    IOleClientSite* ClientSite() const { return clientSite_.get(); }
    // An ambient property of the container; false without a site or value.
    bool GetAmbientProperty(DISPID dispid, VARIANT* value) const;
    SIZEL Extent() const { return extent_; }
    // The extent changes without the container being told.
    void SetExtentHimetric(SIZEL extent) { extent_ = extent; }
    void SetDirty() { dirty_ = true; }
    // Asks for a repaint: the window's when there is one, else the view sinks'.
    void FireViewChange();
    void RequestNewObjectLayout();
    // A reference for the caller's scope. Whatever the control calls out to (the
    // container, a page's script, an effect, a message box's message loop) may
    // let go of the control meanwhile; the control must outlive the call.
    ComPtr<IUnknown> KeepAlive() { return ComPtr<IUnknown>(static_cast<IOleObject*>(this)); }

private:
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    void OnWindowGone() override;

    HRESULT InPlaceActivate(LONG verb, const RECT* position);
    HRESULT PutProperty(const PropertyEntry& entry, VARIANT& value);
    HRESULT GetProperty(const PropertyEntry& entry, VARIANT& value);

    const CLSID& clsid_;
    const DWORD miscStatus_;
    const PropertyMap properties_;
    const IID& dualIid_;

    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleAdviseHolder> oleAdvise_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAdviseFlags_ = 0;
    HWND window_ = nullptr;
    bool uiActive_ = false;
    bool dirty_ = false;
    SIZEL extent_{};
};

}  // namespace comkit
