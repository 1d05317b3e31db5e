#include "effects/common/PaletteEffect.h"

#include <exception>

namespace palette {

STDMETHODIMP PaletteEffectBase::DrawTextFace(HDC dc, POINT point) {
    if (!surfaceDC) BuildTextBitmap();
    // The build may have failed; or its memory warning ran a modal loop in
    // which the host deactivated this object.
    if (!surfaceDC) return S_OK;
    keepScreen_ = false;
    Step();
    if (!keepScreen_)
        BitBlt(dc, point.x, point.y, geometry_.cx, geometry_.cy, surfaceDC.get(), 0, layout_.sourceRow, SRCCOPY);
    return S_OK;
}

STDMETHODIMP PaletteEffectBase::GetDrawingArea(SIZE* size) {
    const HRESULT measured = EffectBase::GetDrawingArea(size);
    if (SUCCEEDED(measured)) *size = AreaAround(*size);
    return measured;
}

STDMETHODIMP PaletteEffectBase::GetWidth(int n, int* width) {
    const HRESULT measured = EffectBase::GetWidth(n, width);
    if (SUCCEEDED(measured)) *width += LeftMargin();
    return measured;
}

void PaletteEffectBase::InitEffect() {
    SetUpModuleOnce([this] {
        CrtRandom& random = ModuleRandom();
        random.SeedWithClock();
        FillModuleTables(random);
    });
    SetDefaultProperties();
}

void PaletteEffectBase::SetDefaultProperties() {
    SetDefaultPaletteKeys();
    BuildGradientPalette();
    WriteDefaultParameters();
    TakeWorkingCopies(false);
}

void PaletteEffectBase::PutRunColours() {
    if (UseRunColours()) PutBackgroundColourOnKey(0, 0);
    if (textKey_ == TextColourKey::Last) PutTextColourOnKey();
}

void PaletteEffectBase::PutBackgroundColourOnKey(int slot, BYTE position) {
    unsigned long colour = 0;
    if (IParagraphAccess* run = Extent().Paragraph(); run && SUCCEEDED(run->GetBkColor(&colour)))
        PutColourOnKey(Head(), slot, position, colour);
}

void PaletteEffectBase::PutTextColourOnKey() {
    unsigned long colour = 0;
    IParagraphAccess* run = Extent().Paragraph();
    const int keys = KeysInUse(Head());
    if (run && keys > 0 && SUCCEEDED(run->GetColor(&colour))) PutColourOnKey(Head(), keys - 1, 255, colour);
}

void PaletteEffectBase::RebuildPalette() {
    SetDefaultPaletteKeys();
    PutRunColours();
    BuildGradientPalette();
}

void PaletteEffectBase::TakeKeys(const PaletteKeyHead& keys) {
    const size_t taken = keyCopy_ == KeyCopy::WholeHead ? sizeof keys : offsetof(PaletteKeyHead, positions) + 8;
    std::memcpy(&Head(), &keys, taken);
    BuildGradientPalette();
    // A working copy may come from a key (a colour), and the rebuild below uses it.
    TakeWorkingCopies(false);
    static_cast<IViviFont*>(this)->ChangeParagraph();
}

void PaletteEffectBase::BuildTextBitmap() {
    try {
        BuildSurfaces();
    } catch (const std::exception&) {
        // Memory ran out: nothing is built, nothing is reported; the next
        // frame tries again.
        ReleaseTextBitmap();
    }
}

void PaletteEffectBase::BuildSurfaces() {
    BeforeBuild();
    // No run (an unbound object): nothing to show, even on the spare rows or
    // the margins some classes add.
    if (!IsBound()) return;
    SIZE area{};
    // Through the object's own table: a class may widen its drawing area.
    static_cast<IViviFont*>(this)->GetDrawingArea(&area);
    geometry_ = {area.cx, area.cy, StrideFor(area.cx), area.cy + layout_.extraRows};
    RebuildPalette();
    if (!surfaces_.Build(geometry_.stride, geometry_.height, layout_.surfaces, colours_)) return;
    text_.Take(Extent());
    pixelListFailed_ = false;
    SurfacesBuilt();
    // Only now, with everything in place: the box runs a modal loop in which
    // the host's ticks reach this object again.
    if (pixelListFailed_) {
        pixelListFailed_ = false;
        ShowMemoryWarning(Identity().displayName);
    }
}

void PaletteEffectBase::ReleaseTextBitmap() {
    pixels_.Clear();
    surfaces_.Release();
    text_.Clear();
}

void PaletteEffectBase::DrawTextOver(int drawn, int entry, int kept) {
    surfaces_.Select(drawn);
    TextPen(surfaceDC.get(), text_).Draw(Entry(entry), geometry_.height);
    surfaces_.Select(kept);
}

void PaletteEffectBase::BuildPixelList(int surface) {
    if (!pixels_.Build(surfaces_.Memory(surface))) pixelListFailed_ = true;
}

}  // namespace palette
