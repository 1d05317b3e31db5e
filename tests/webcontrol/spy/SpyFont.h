// An effect that logs every call a host makes to it, one line each, to the
// file named by the NETRUNE_SPY_LOG environment variable, so that a test
// can check what the control did and in which order, whether the effect is
// linked into the test or downloaded as a module. It draws its run as a
// rectangle of the run's colour, 120 x 40 pixels.
#pragma once

#include "comkit/ComObject.h"
#include "contract/contract.h"

namespace spy {

inline constexpr SIZE kArea{120, 40};

class SpyFont : public comkit::ComObject<IViviFont, IViviFontProperty> {
public:
    static const CLSID& ClassId();

    SpyFont();
    ~SpyFont() override;

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* run) override;
    STDMETHODIMP ChangeParagraph() override;
    STDMETHODIMP SetFontManager(IFontManager* fonts) override;
    STDMETHODIMP DrawTextFace(HDC dc, POINT at) override;
    STDMETHODIMP UpdateTextFace(HDC dc, POINT at) override;
    STDMETHODIMP GetDrawingArea(SIZE* size) override;
    STDMETHODIMP GetWidth(int n, int* width) override;
    STDMETHODIMP MouseEnter() override;
    STDMETHODIMP MouseLeave() override;
    STDMETHODIMP OnMouseMove(POINT at) override;
    STDMETHODIMP OnButtonDown(POINT at) override;
    STDMETHODIMP Version(int* version) override;
    STDMETHODIMP Name(short** name) override;
    STDMETHODIMP Description(short** text) override;
    STDMETHODIMP Author(short** text) override;
    STDMETHODIMP Icon(HICON* icon) override;
    STDMETHODIMP GetCLSID(CLSID* clsid) override;

    STDMETHODIMP SaveProperty(tagPersistMemory** record) override;
    STDMETHODIMP LoadProperty(tagPersistMemory* record) override;
    STDMETHODIMP OpenPropertyDlg(HWND owner) override;

private:
    void Log(const char* format, ...) const;
    void Fill(HDC dc, POINT at) const;

    int instance_;
    IParagraphAccess* run_ = nullptr;
};

}  // namespace spy
