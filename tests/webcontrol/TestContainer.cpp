#include "tests/webcontrol/TestContainer.h"

#include <olectl.h>

#include <algorithm>

#include "winkit/GdiHandles.h"

namespace webtest {
namespace {

constexpr wchar_t kHostClass[] = L"NetruneTestHost";

HWND CreateHostWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = kHostClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, kHostClass, L"Netrune test page", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN |
                                  WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(window);
    UpdateWindow(window);
    return window;
}

}  // namespace

TestContainer::TestContainer() : window_(CreateHostWindow()) {}

TestContainer::~TestContainer() { DestroyWindow(window_); }

STDMETHODIMP TestContainer::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *out = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceSite) || IsEqualIID(iid, IID_IOleWindow))
        *out = static_cast<IOleInPlaceSite*>(this);
    else if (IsEqualIID(iid, IID_IOleInPlaceFrame) || IsEqualIID(iid, IID_IOleInPlaceUIWindow))
        *out = static_cast<IOleInPlaceFrame*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
        *out = static_cast<IDispatch*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP TestContainer::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP TestContainer::GetContainer(IOleContainer** container) {
    *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP TestContainer::RequestNewObjectLayout() {
    ++layoutRequests_;
    return S_OK;
}

STDMETHODIMP TestContainer::GetWindow(HWND* window) {
    *window = window_;
    return S_OK;
}

STDMETHODIMP TestContainer::OnInPlaceActivate() {
    inPlaceActive_ = true;
    return S_OK;
}

STDMETHODIMP TestContainer::OnInPlaceDeactivate() {
    inPlaceActive_ = false;
    return S_OK;
}

STDMETHODIMP TestContainer::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    AddRef();
    *frame = this;
    *document = nullptr;
    *position = kPlace;
    *clip = kPlace;
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP TestContainer::SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR) {
    activeObject_ = comkit::ComPtr<IOleInPlaceActiveObject>(object);
    return S_OK;
}

STDMETHODIMP TestContainer::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP TestContainer::Invoke(DISPID dispid, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
    const std::optional<OLE_COLOR>* colour = dispid == DISPID_AMBIENT_BACKCOLOR   ? &ambientBack
                                             : dispid == DISPID_AMBIENT_FORECOLOR ? &ambientFore
                                                                                  : nullptr;
    if (!colour || !*colour) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    result->vt = VT_I4;
    result->lVal = static_cast<LONG>(**colour);
    return S_OK;
}

STDMETHODIMP PropertyBag::QueryInterface(REFIID iid, void** out) {
    *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag) ? this : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
}

std::optional<std::wstring> PropertyBag::Value(const std::wstring& name) const {
    for (const auto& [key, value] : values)
        if (key == name) return value;
    return std::nullopt;
}

STDMETHODIMP PropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    reads.emplace_back(name);
    const auto found = Value(name);
    if (!found) return E_INVALIDARG;
    value->vt = VT_BSTR;
    value->bstrVal = SysAllocString(found->c_str());
    return S_OK;
}

STDMETHODIMP PropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, value, 0, VT_BSTR))) return E_FAIL;
    values.emplace_back(name, text.bstrVal ? text.bstrVal : L"");
    VariantClear(&text);
    return S_OK;
}

HRESULT Embed(IUnknown* control, TestContainer& container, PropertyBag* params) {
    const auto object = comkit::ComPtr<IUnknown>(control).As<IOleObject>(IID_IOleObject);
    if (!object) return E_NOINTERFACE;
    if (HRESULT hr = object->SetClientSite(&container); FAILED(hr)) return hr;
    if (params) {
        const auto bag = comkit::ComPtr<IUnknown>(control).As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        if (HRESULT hr = bag->Load(params, nullptr); FAILED(hr)) return hr;
    }
    RECT place = TestContainer::kPlace;
    return object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &container, 0, container.window(), &place);
}

void Unembed(IUnknown* control) {
    const auto object = comkit::ComPtr<IUnknown>(control).As<IOleObject>(IID_IOleObject);
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
}

void Pump(DWORD milliseconds) {
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10)),
                                  QS_ALLINPUT);
    }
}

HRESULT PutByName(IUnknown* control, const wchar_t* name, VARIANT value) {
    const auto dispatch = comkit::ComPtr<IUnknown>(control).As<IDispatch>(IID_IDispatch);
    DISPID dispid = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid); FAILED(hr)) return hr;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &named, 1, 1};
    return dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                            nullptr);
}

std::wstring GetText(IUnknown* control, const wchar_t* name) {
    const auto dispatch = comkit::ComPtr<IUnknown>(control).As<IDispatch>(IID_IDispatch);
    DISPID dispid = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid))) return L"<no such name>";
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    if (FAILED(dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                                nullptr)) ||
        FAILED(VariantChangeType(&result, &result, 0, VT_BSTR)))
        return L"<failed>";
    std::wstring text(result.bstrVal ? result.bstrVal : L"");
    VariantClear(&result);
    return text;
}

WindowPixels::WindowPixels(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    width = client.right;
    height = client.bottom;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    winkit::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    winkit::MemoryDC memory(nullptr);
    if (!bitmap || !memory) return;
    {
        winkit::Selection selected(memory.get(), bitmap.get());
        HDC screen = GetDC(window);
        BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    }
    GdiFlush();
    const auto* quads = static_cast<const RGBQUAD*>(bits);
    pixels_.resize(static_cast<size_t>(width) * height);
    for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = RGB(quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue);
}

COLORREF WindowPixels::At(int x, int y) const { return pixels_.at(static_cast<size_t>(y) * width + x); }

int WindowPixels::Count(COLORREF colour) const {
    int count = 0;
    for (COLORREF pixel : pixels_) count += pixel == colour;
    return count;
}

}  // namespace webtest
