#include "webcontrol/Lettrix.h"

#include <array>
#include <clocale>

#include "comkit/Make.h"
#include "comkit/NoThrow.h"
#include "comkit/Variant.h"
#include "textrun/Cp932.h"
#include "webcontrol/DownloadTarget.h"
#include "webcontrol/Notice.h"
#include "webcontrol/PropertyText.h"
#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace netrune {
namespace {

using Entry = comkit::PropertyEntry;

// Persistence order, and the order in which a page's PARAMs are applied: the
// settings record last, so that no later put creates a new effect after it.
constexpr Entry kProperties[] = {
    {L"_cx", Entry::Kind::ExtentWidth, 0, VT_UI4},
    {L"_cy", Entry::Kind::ExtentHeight, 0, VT_UI4},
    {L"Text", Entry::Kind::Dispatch, DISPID_TEXT, VT_BSTR},
    {L"ViviFontCLSID", Entry::Kind::Dispatch, 1, VT_BSTR},
    {L"ViviFontCodeBase", Entry::Kind::Dispatch, 2, VT_BSTR},
    {L"StaticFontSize", Entry::Kind::Dispatch, 3, VT_I2},
    {L"StaticFontName", Entry::Kind::Dispatch, 4, VT_BSTR},
    {L"ViviFontProperty", Entry::Kind::Dispatch, 5, VT_BSTR},
};

// Recompose on resize, cannot link inside, inside-out, activate when
// visible, set client site first.
constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT |
                              OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_SETCLIENTSITEFIRST;
static_assert(kMiscStatus == 131473);

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerPeriod = 30;

std::wstring_view View(BSTR text) { return text ? std::wstring_view(text, SysStringLen(text)) : std::wstring_view(); }

HRESULT Copy(std::wstring_view text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

// In registry form, terminated.
std::array<wchar_t, 40> ClsidText(const CLSID& clsid) {
    std::array<wchar_t, 40> text{};
    StringFromGUID2(clsid, text.data(), static_cast<int>(text.size()));
    return text;
}

// Counts the applications under way, however one ends.
class Nesting {
public:
    explicit Nesting(int& depth) : depth_(++depth) {}
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    ~Nesting() { --depth_; }

private:
    int& depth_;
};

}  // namespace

Lettrix::Lettrix() : DualControl(CLSID_Lettrix, kMiscStatus, kProperties) {
    std::setlocale(LC_ALL, "Japanese");
    run_.SetSize(36);
    run_.SetColor(RGB(255, 255, 255));
    run_.SetBkColor(RGB(0, 0, 0));
}

Lettrix::~Lettrix() {
    if (download_) download_->Abandon();
}

template <class Body>
HRESULT Lettrix::Put(Body&& body) {
    const auto alive = KeepAlive();
    return comkit::Guarded([&] {
        body();
        return S_OK;
    });
}

STDMETHODIMP Lettrix::put_Text(BSTR text) {
    return Put([&] {
        text_ = View(text);
        SetDirty();
        FireViewChange();
        // The run shows the new text at once, not only after another property's put.
        ApplyProperties(0);
    });
}

STDMETHODIMP Lettrix::get_Text(BSTR* text) { return Copy(text_, text); }

STDMETHODIMP Lettrix::get_ViviFontCLSID(BSTR* clsid) { return Copy(ClsidText(clsid_).data(), clsid); }

STDMETHODIMP Lettrix::put_ViviFontCLSID(BSTR clsid) {
    return Put([&] {
        const std::wstring text(View(clsid));
        if (FAILED(CLSIDFromString(text.c_str(), &clsid_))) {
            clsid_ = CLSID_NULL;
            NoticeInvalidClsid(text);
        }
        ApplyProperties(kApplyEffect);
    });
}

STDMETHODIMP Lettrix::get_ViviFontCodeBase(BSTR* address) { return Copy(codeBase_, address); }

STDMETHODIMP Lettrix::put_ViviFontCodeBase(BSTR address) {
    return Put([&] {
        codeBase_ = View(address);
        ApplyProperties(kApplyCodeBase);
    });
}

STDMETHODIMP Lettrix::get_StaticFontSize(short* size) {
    if (!size) return E_POINTER;
    *size = size_;
    return S_OK;
}

STDMETHODIMP Lettrix::put_StaticFontSize(short size) {
    return Put([&] {
        size_ = size;
        ApplyProperties(kApplySize);
    });
}

STDMETHODIMP Lettrix::get_StaticFontName(BSTR* face) { return Copy(faceName_, face); }

STDMETHODIMP Lettrix::put_StaticFontName(BSTR face) {
    return Put([&] {
        faceName_ = View(face);
        ApplyProperties(kApplyFace);
    });
}

STDMETHODIMP Lettrix::get_ViviFontProperty(BSTR* text) {
    return Copy(propertyText_ ? std::wstring_view(*propertyText_) : std::wstring_view(L"NOTPROPERTY"), text);
}

STDMETHODIMP Lettrix::put_ViviFontProperty(BSTR text) {
    return Put([&] {
        propertyText_ = std::wstring(View(text));
        record_ = DecodeBase64(winkit::ToAnsi(*propertyText_));
        ApplyProperties(kApplyProperty);
    });
}

void Lettrix::ApplyProperties(unsigned flags) {
    {
        const Nesting nesting(applying_);
        if (!downloading_ && (flags & (kApplyEffect | kApplyCodeBase))) CreateViviFont();
        if (run_.Effect() && (flags & kApplyProperty)) LoadViviFontProperty();
        if (flags & kApplyFace) run_.SetFaceName(winkit::ToAnsi(faceName_).c_str());
        if (flags & kApplySize) run_.SetSize(size_);
        TakeAmbientColours();
        run_.ClearText();
        run_.InsertText(winkit::ToAnsi(text_, textrun::cp932::kCodePage), 0);
        UpdateExtent();
    }
    if (applying_ == 0 && std::exchange(completionPending_, false)) CompleteDownload();
}

void Lettrix::CreateViviFont() {
    if (IsEqualCLSID(clsid_, CLSID_NULL)) return;
    comkit::ComPtr<IViviFont> effect;
    const HRESULT hr = CoCreateInstance(clsid_, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont, effect.put_void());
    if (SUCCEEDED(hr) && effect) {
        run_.SetEffect(std::move(effect));
        return;
    }
    if (codeBase_.empty() || downloading_) return;
    if (StartModuleDownload()) return;
    NoticeCreationFailed(clsid_, hr);
}

void Lettrix::LoadViviFontProperty() {
    const auto property = comkit::ComPtr<IViviFont>(run_.Effect()).As<IViviFontProperty>(IID_IViviFontProperty);
    const tagPersistMemory* record = RecordIn(record_);
    if (property && record) property->LoadProperty(const_cast<tagPersistMemory*>(record));
}

// Without a site or an ambient value the run keeps its colour: black on
// black would show nothing.
void Lettrix::TakeAmbientColours() {
    COLORREF colour = 0;
    if (AmbientColour(DISPID_AMBIENT_BACKCOLOR, colour)) run_.SetBkColor(colour);
    if (AmbientColour(DISPID_AMBIENT_FORECOLOR, colour)) run_.SetColor(colour);
}

// An OLE colour (system colours included) as the screen shows it.
bool Lettrix::AmbientColour(DISPID dispid, COLORREF& colour) const {
    comkit::Variant ambient;
    VARIANT& value = ambient.value;
    if (!GetAmbientProperty(dispid, &value)) return false;
    // System colours have the top bit set: as signed numbers they are negative.
    const bool number = value.vt == VT_I4 || value.vt == VT_UI4 || value.vt == VT_INT || value.vt == VT_UINT ||
                        SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4));
    const OLE_COLOR ole = number ? value.ulVal : 0;
    return number && SUCCEEDED(OleTranslateColor(ole, nullptr, &colour));
}

void Lettrix::UpdateExtent() {
    const SIZE area = run_.EffectArea();
    winkit::ScreenDC screen;
    const int dpiX = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    const int dpiY = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    SetExtentHimetric({MulDiv(area.cx, 2540, dpiX), MulDiv(area.cy, 2540, dpiY)});
}

// Addresses whose module could not be loaded from the folder are refused
// before anything is fetched.
bool Lettrix::StartModuleDownload() {
    if (downloading_) return false;
    if (!downloadsTried_.insert(codeBase_ + L"\n" + ClsidText(clsid_).data()).second) return false;
    const std::wstring folder = SharedModuleFolder();
    const auto target = ModuleTarget(folder, codeBase_);
    if (!target || !CreateFolderChain(folder)) return false;
    download_ = comkit::Make<ModuleDownloader>();
    if (!download_) {
        NoticeNoDownloader();
        return false;
    }
    downloading_ = true;
    if (!download_->Start(codeBase_, *target, this)) {
        downloading_ = false;
        download_.reset();
    }
    return downloading_;
}

void Lettrix::OnModuleDownloaded() {
    download_.reset();
    if (applying_ > 0) {
        completionPending_ = true;
        return;
    }
    CompleteDownload();
}

// The new effect also gets the page's settings: the visit that had to
// download the module shows them as every later visit does.
void Lettrix::CompleteDownload() {
    const auto alive = KeepAlive();
    downloading_ = false;
    ApplyProperties(kApplyEffect | kApplyProperty);
    RequestNewObjectLayout();
}

void Lettrix::OnDraw(HDC dc, const RECT& bounds) {
    if (IViviFont* effect = run_.Effect()) effect->DrawTextFace(dc, {bounds.left, bounds.top});
}

LRESULT Lettrix::OnMessage(HWND window, UINT message, WPARAM, LPARAM lParam, bool& handled) {
    handled = false;
    const POINT point{LOWORD(lParam), HIWORD(lParam)};
    switch (message) {
    case WM_CREATE:
        if (!timer_) timer_ = SetTimer(window, kTimerId, kTimerPeriod, nullptr);
        break;
    case WM_TIMER:
        Tick(window);
        handled = true;
        break;
    case WM_MOUSEMOVE:
        if (IViviFont* effect = run_.Effect()) {
            MouseHeard();
            effect->OnMouseMove(point);
        }
        break;
    case WM_LBUTTONDOWN:
        if (IViviFont* effect = run_.Effect()) {
            MouseHeard();
            effect->OnButtonDown(point);
        }
        break;
    case WM_DESTROY:
        KillTimer(window, timer_);
        timer_ = 0;
        break;
    default:
        break;
    }
    return 0;
}

void Lettrix::Tick(HWND window) {
    IViviFont* effect = run_.Effect();
    if (!effect) return;
    if (const winkit::WindowDC dc(window); dc) effect->UpdateTextFace(dc.get(), {0, 0});
    if (!mouseInside_) return;
    POINT cursor;
    RECT area;
    GetCursorPos(&cursor);
    GetWindowRect(window, &area);
    if (!PtInRect(&area, cursor)) {
        effect->MouseLeave();
        mouseInside_ = false;
    }
}

void Lettrix::MouseHeard() {
    if (mouseInside_) return;
    run_.Effect()->MouseEnter();
    mouseInside_ = true;
}

}  // namespace netrune
