// Lettrix: the web-page control. It shows one run of text drawn and animated
// by one effect, all set through the page's properties; when the effect's
// module is missing and the page gave its address, it downloads the module
// into the shared folder, registers it and tries again. The page, its script
// and the server behind its addresses are untrusted: a put may show a
// message box whose loop lets the page release the control, so every put and
// every completion keeps the control alive until it returns.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "comkit/control/DualControl.h"
#include "webcontrol/ControlParagraph.h"
#include "webcontrol/ModuleDownloader.h"
#include "webcontrol/netrune/Netrune.h"

namespace netrune {

class Lettrix final : public comkit::DualControl<ILettrix>, private DownloadOwner {
public:
    static const CLSID& ClassId() { return CLSID_Lettrix; }

    Lettrix();
    ~Lettrix() override;

    STDMETHODIMP put_Text(BSTR text) override;
    STDMETHODIMP get_Text(BSTR* text) override;
    STDMETHODIMP get_ViviFontCLSID(BSTR* clsid) override;
    STDMETHODIMP put_ViviFontCLSID(BSTR clsid) override;
    STDMETHODIMP get_ViviFontCodeBase(BSTR* address) override;
    STDMETHODIMP put_ViviFontCodeBase(BSTR address) override;
    STDMETHODIMP get_StaticFontSize(short* size) override;
    STDMETHODIMP put_StaticFontSize(short size) override;
    STDMETHODIMP get_StaticFontName(BSTR* face) override;
    STDMETHODIMP put_StaticFontName(BSTR face) override;
    STDMETHODIMP get_ViviFontProperty(BSTR* text) override;
    STDMETHODIMP put_ViviFontProperty(BSTR text) override;

private:
    // What ApplyProperties is asked to bring to the run and the effect.
    enum Apply : unsigned {
        kApplyEffect = 0x01,
        kApplyFace = 0x04,
        kApplySize = 0x08,
        kApplyCodeBase = 0x10,
        kApplyProperty = 0x20,
    };

    void OnDraw(HDC dc, const RECT& bounds) override;
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    void ApplyProperties(unsigned flags);
    void CreateViviFont();
    void LoadViviFontProperty();
    void TakeAmbientColours();
    bool AmbientColour(DISPID dispid, COLORREF& colour) const;
    void UpdateExtent();
    bool StartModuleDownload();
    void OnModuleDownloaded() override;
    void CompleteDownload();
    // A put: the control is kept alive throughout and nothing is thrown out.
    template <class Body>
    HRESULT Put(Body&& body);
    void Tick(HWND window);
    void MouseHeard();

    UINT_PTR timer_ = 0;
    bool mouseInside_ = false;
    std::wstring text_ = L"Vivi！";
    CLSID clsid_{};
    std::wstring codeBase_;
    std::wstring faceName_ = L"ＭＳ ゴシック";
    short size_ = 16;
    std::vector<unsigned char> record_;
    std::optional<std::wstring> propertyText_;
    ControlParagraph run_;
    bool downloading_ = false;
    // The download running, if any; each download has a downloader of its own.
    comkit::ComPtr<ModuleDownloader> download_;
    // Code base and class of every download started: each is tried once.
    std::set<std::wstring> downloadsTried_;
    // A download that ends while properties are being applied (file:
    // addresses end inside the call that starts them) completes afterwards.
    int applying_ = 0;
    bool completionPending_ = false;
};

}  // namespace netrune
