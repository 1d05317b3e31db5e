// StaticFont: draws its run as still text and never animates. Every new run
// of the viewer starts with it.
#pragma once

#include "comkit/ComObject.h"
#include "contract/contract.h"
#include "contract/module_identity.h"
#include "effectbase/TextExtent.h"

class StaticFont final : public comkit::ComObject<IViviFont> {
public:
    static const CLSID& ClassId() { return contract::Identity(contract::Module::Static).clsid; }

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* paragraph) override;
    STDMETHODIMP ChangeParagraph() override;
    STDMETHODIMP SetFontManager(IFontManager* fontManager) override;
    STDMETHODIMP DrawTextFace(HDC dc, POINT point) override;
    STDMETHODIMP UpdateTextFace(HDC, POINT) override { return S_OK; }
    STDMETHODIMP GetDrawingArea(SIZE* size) override;
    STDMETHODIMP GetWidth(int n, int* width) override;
    STDMETHODIMP MouseEnter() override { return S_OK; }
    STDMETHODIMP MouseLeave() override { return S_OK; }
    STDMETHODIMP OnMouseMove(POINT) override { return S_OK; }
    STDMETHODIMP OnButtonDown(POINT) override { return S_OK; }
    STDMETHODIMP Version(int* version) override;
    STDMETHODIMP Name(short** name) override;
    STDMETHODIMP Description(short** description) override;
    STDMETHODIMP Author(short** author) override;
    STDMETHODIMP Icon(HICON* icon) override;
    STDMETHODIMP GetCLSID(CLSID* clsid) override;

private:
    effectbase::TextExtent extent_;
};
