// What every effect class with a property block shares beyond the bound
// half: the property records, activation, hover and the property-editor road.
// A class adds its property block, its working copies, its surfaces and its
// drawing through the hooks below, and is instantiated as
// EffectObject<Class> (EffectObject.h).
#pragma once

#include <span>

#include "comkit/ComPtr.h"
#include "effectbase/BoundEffect.h"
#include "winkit/GdiHandles.h"

namespace effectbase {

class EffectBase : public BoundEffect<IFontProperty, IViviFontProperty, IViviFontActivation> {
public:
    // IViviFont
    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP UpdateTextFace(HDC dc, POINT point) override;
    // Hover is tracked here; classes hear of it through Entered and Left.
    STDMETHODIMP MouseEnter() final;
    STDMETHODIMP MouseLeave() final;

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
    virtual std::span<BYTE> PropertyBytes() = 0;
    // A surface's pixel memory (empty when there is none): tests look for
    // writes outside it.
    virtual std::span<const BYTE> SurfaceMemory(int) const { return {}; }

protected:
    EffectBase() = default;

    // Hooks of the effect class.
    // Class defaults (calls SetDefaultProperties); run once by EffectObject's constructor.
    virtual void InitEffect() { SetDefaultProperties(); }
    // Writes the default block, then takes the working copies from it.
    virtual void SetDefaultProperties() = 0;
    // Creates the memory context and surfaces for the current text; sets surfaceDC only on success.
    virtual void BuildTextBitmap() = 0;
    // Destroys them and resets surfaceDC; harmless when none exist.
    virtual void ReleaseTextBitmap() = 0;

    // Working copies: the block fields a class keeps a current value of (a
    // decay, a row step, a colour taken from a key). They are taken from the
    // block whenever the block changes as a whole (defaults, a stored record,
    // a clone, an accepted parameter record) and when the mouse comes or goes;
    // `hovered` asks for the values that stand while the mouse is inside.
    // A stored record loaded while the mouse is inside keeps the hover values
    // until it leaves, or until the next build in the classes whose build
    // ends a hover; a clone is never hovered.
    virtual void TakeWorkingCopies(bool /*hovered*/) {}
    // What else a class does when the mouse comes or goes.
    virtual void Entered() {}
    virtual void Left() {}
    bool Hovered() const { return hovered_; }
    // Ends a hover as the mouse leaving would: for the classes whose hover
    // a build of their surfaces ends, the mouse still over the run.
    void EndHover();

    // Seam for what depends on the property block beyond the block itself
    // (the gradient palette of the palette effects): run after a record was taken in.
    virtual void PropertiesLoaded() {}
    // Takes the parameters of an accepted SetVVLF record. By default the whole
    // block is taken and the run measured again.
    virtual void ApplyParameters(std::span<const BYTE> block);

    // A new object of the same class (EffectObject); null without memory.
    virtual comkit::ComPtr<EffectBase> CreateSibling() const = 0;

    void RunChanged() override;

    // Non-null while the class's surfaces exist.
    winkit::MemoryDC surfaceDC;

private:
    bool hovered_ = false;
};

}  // namespace effectbase
