#include "effects/common/PaletteEffect.h"

#include <algorithm>
#include <exception>

#include "effects/common/FrameCopy.h"

namespace palette {

namespace {
// The largest side of a drawing area and the most pixel memory of one
// surface: what lies beyond is not built, whatever a block asks for.
constexpr long long kLargestSide = 32767;
constexpr long long kLargestSurfaceBytes = 64LL << 20;

long long LargestPixel(const SurfaceSet& set) {
    int bytes = 1;
    for (int i = 0; i < set.count && i < SurfaceSet::kMaxSurfaces; ++i)
        bytes = std::max(bytes, PixelBytes(set.formats[i]));
    return bytes;
}
}  // namespace

STDMETHODIMP PaletteEffectBase::DrawTextFace(HDC dc, POINT point) {
    if (!surfaceDC) BuildTextBitmap();
    // The build may have failed; or its memory warning ran a modal loop in
    // which the host deactivated this object.
    if (!surfaceDC) return S_OK;
    keepScreen_ = false;
    drawn_ = {0, geometry_.height - 1};
    Step();
    if (!keepScreen_) CopyFrame(dc, point);
    return S_OK;
}

void PaletteEffectBase::CopyFrame(HDC dc, POINT point) {
    const int top = layout_.sourceRow;
    const int rows = geometry_.cy;
    // The drawn rows as rows of the area, top down: surface row r is context
    // row height - 1 - r.
    int from = 0, to = 0;
    if (drawn_.last >= drawn_.first) {
        from = std::clamp(geometry_.height - 1 - drawn_.last - top, 0, rows);
        to = std::clamp(geometry_.height - drawn_.first - top, from, rows);
    }
    palette::CopyFrame(dc, point, geometry_.cx, rows, surfaceDC.get(), top, {from, to});
}

STDMETHODIMP PaletteEffectBase::GetDrawingArea(SIZE* size) {
    const HRESULT measured = EffectBase::GetDrawingArea(size);
    if (SUCCEEDED(measured))
        if (const std::optional<SIZE> area = FittedArea(*size)) *size = *area;
    return measured;
}

STDMETHODIMP PaletteEffectBase::GetWidth(int n, int* width) {
    const HRESULT measured = EffectBase::GetWidth(n, width);
    if (SUCCEEDED(measured) && FittedArea(Extent().Extent())) *width += LeftMargin();
    return measured;
}

std::optional<SIZE> PaletteEffectBase::FittedArea(SIZE text) {
    const WideSize area = AreaAround(text);
    if (area.cx < 0 || area.cy < 0 || area.cx > kLargestSide || area.cy > kLargestSide) return std::nullopt;
    const long long rowBytes = StrideFor(static_cast<int>(area.cx)) * LargestPixel(layout_.surfaces);
    if (rowBytes * (area.cy + layout_.extraRows) > kLargestSurfaceBytes) return std::nullopt;
    return SIZE{static_cast<LONG>(area.cx), static_cast<LONG>(area.cy)};
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
    // Every build, whatever asked for it (an activation, a change while
    // activated, the first frame after none), starts the held or frozen
    // motion over, the mouse still over the run or not.
    if (hover_ == HoverAtBuild::Ends) EndHover();
    BeforeBuild();
    // No run (an unbound object): nothing to show, even on the spare rows or
    // the margins some classes add.
    if (!IsBound()) return;
    const std::optional<SIZE> area = FittedArea(Extent().Extent());
    // Too large for a surface: nothing is built, and the host was told the
    // text's own extent.
    if (!area) return;
    geometry_ = {area->cx, area->cy, StrideFor(area->cx), area->cy + layout_.extraRows};
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
