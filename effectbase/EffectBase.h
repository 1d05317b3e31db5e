// What every effect class shares: the COM identity and interface map, binding
// to the host's run and font cache, measuring, the identity methods, the
// property records, activation and the property-editor road. A class adds its
// property block, its surfaces and its drawing through the hooks below, and is
// instantiated as EffectObject<Class> (EffectObject.h).
#pragma once

#include <span>

#include "comkit/ComObject.h"
#include "contract/contract.h"
#include "contract/module_identity.h"
#include "effectbase/TextExtent.h"
#include "winkit/GdiHandles.h"

namespace effectbase {

class EffectBase : public comkit::ComObject<IViviFont, IFontProperty, IViviFontProperty, IViviFontActivation> {
public:
    // IViviFont
    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP SetParagraph(IParagraphAccess* paragraph) override;
    STDMETHODIMP ChangeParagraph() override;
    STDMETHODIMP SetFontManager(IFontManager* fontManager) override;
    STDMETHODIMP UpdateTextFace(HDC dc, POINT point) override;
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

    // IViviFontProperty
    STDMETHODIMP SaveProperty(tagPersistMemory** record) override;
    STDMETHODIMP LoadProperty(tagPersistMemory* record) override;
    STDMETHODIMP OpenPropertyDlg(HWND owner) override;

    // IFontProperty
    STDMETHODIMP SetVVLF(tagAnonyVVLF* record, LONG init) override;
    STDMETHODIMP GetVVLF(tagAnonyVVLF** record) override;
    STDMETHODIMP SetDefault() override;

    // IViviFontActivation
    STDMETHODIMP Activate() override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP IsActivated(char* activated) override;

    // Supplied by EffectObject<Class>.
    virtual const contract::ModuleIdentity& Identity() const = 0;
    virtual std::span<BYTE> PropertyBytes() = 0;

protected:
    EffectBase() = default;

    // Hooks of the effect class.
    // Class defaults (calls SetDefaultProperties); run once by EffectObject's constructor.
    virtual void InitEffect() { SetDefaultProperties(); }
    virtual void SetDefaultProperties() = 0;
    // Creates the memory context and surfaces for the current text; sets surfaceDC only on success.
    virtual void BuildTextBitmap() = 0;
    // Destroys them and resets surfaceDC; harmless when none exist.
    virtual void ReleaseTextBitmap() = 0;

    // Seam for what depends on the property block beyond the block itself
    // (the gradient palette of the palette effects): run after a record was taken in.
    virtual void PropertiesLoaded() {}
    // Takes the parameters of an accepted SetVVLF record. By default the whole
    // block is taken and the run measured again.
    virtual void ApplyParameters(std::span<const BYTE> block);

    // A new object of the same class, with no reference yet (EffectObject).
    virtual EffectBase* CreateSibling() const = 0;

    TextExtent& Extent() { return extent_; }
    bool IsBound() const { return extent_.Paragraph() != nullptr; }

    // Non-null while the class's surfaces exist.
    winkit::MemoryDC surfaceDC;

private:
    TextExtent extent_;
};

}  // namespace effectbase
