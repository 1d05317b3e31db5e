// A container of our own for the control, as a web page's host would be:
// a top-level window holding the control in place, the client site with
// its in-place site and frame, ambient properties through IDispatch, and the
// property bag a page's PARAMs arrive in.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "comkit/ComPtr.h"

namespace webtest {

// The site's objects count references but never delete themselves: the test
// owns the container and can check every reference was given back.
class TestContainer final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame, public IDispatch {
public:
    static constexpr RECT kPlace{10, 10, 330, 130};

    TestContainer();
    ~TestContainer();
    TestContainer(const TestContainer&) = delete;
    TestContainer& operator=(const TestContainer&) = delete;

    HWND window() const { return window_; }
    ULONG references() const { return references_; }
    bool inPlaceActive() const { return inPlaceActive_; }
    int layoutRequests() const { return layoutRequests_; }

    // Ambient colours as OLE colours; none: the ambient property is missing.
    std::optional<OLE_COLOR> ambientBack;
    std::optional<OLE_COLOR> ambientFore;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override { return --references_; }

    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** container) override;
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override;

    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) override;
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return S_OK; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

private:
    HWND window_ = nullptr;
    ULONG references_ = 0;
    bool inPlaceActive_ = false;
    int layoutRequests_ = 0;
    comkit::ComPtr<IOleInPlaceActiveObject> activeObject_;
};

// A page's PARAMs, as strings, and the names the control asked for in order.
using Params = std::vector<std::pair<std::wstring, std::wstring>>;

class PropertyBag final : public IPropertyBag {
public:
    explicit PropertyBag(Params values = {}) : values(std::move(values)) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return 1; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    STDMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

    Params values;
    std::vector<std::wstring> reads;
    std::optional<std::wstring> Value(const std::wstring& name) const;
};

// Gives the control its site, loads the bag, and activates it in place.
HRESULT Embed(IUnknown* control, TestContainer& container, PropertyBag* params);
// Deactivates, closes and takes the site away, as a page being left does.
void Unembed(IUnknown* control);

// Messages are dispatched while waiting.
void Pump(DWORD milliseconds);
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds);

// The limit of a wait for something that must happen: far beyond what a
// loaded machine needs, and never waited out when things go right.
constexpr DWORD kEventTimeout = 10000;
// How long a test watches for something that must not happen. A machine too
// slow to show a fault within it lets the fault pass; it never fails a
// control that is right.
constexpr DWORD kQuietPeriod = 300;

// A property of the control through IDispatch, as a page's script sets it.
HRESULT PutByName(IUnknown* control, const wchar_t* name, VARIANT value);
std::wstring GetText(IUnknown* control, const wchar_t* name);

// The pixels of a window as they are on the screen.
class WindowPixels {
public:
    explicit WindowPixels(HWND window);
    COLORREF At(int x, int y) const;
    int Count(COLORREF colour) const;
    int width = 0;
    int height = 0;

private:
    std::vector<COLORREF> pixels_;
};

}  // namespace webtest
