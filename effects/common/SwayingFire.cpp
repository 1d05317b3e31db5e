#include "effects/common/SwayingFire.h"

#include <array>

namespace palette {

namespace {
constexpr BYTE kHottest = 255;

// The module's tables, filled by its first object: how far each frame's fire
// sways (0, 1 or 2: left, straight up, right) and the heat of the seed row.
std::array<BYTE, 256> sway{};
std::array<BYTE, 256> seeds{};

// 205 .. 254: the letters' colour, near the top of the palette but never the
// hottest entry, which only feeds the fire.
BYTE LetterEntry(CrtRandom& random) { return static_cast<BYTE>(random.Next() % 50 - 51); }
}  // namespace

SwayingFireEffect::SwayingFireEffect(std::span<const DefaultKey> defaultKeys, BYTE defaultDecay)
    : PaletteEffect(SurfaceLayout{}, defaultKeys), defaultDecay_(defaultDecay) {}

void SwayingFireEffect::WriteDefaultParameters() {
    block.decay = defaultDecay_;
    block.useRunColours = 1;
}

void SwayingFireEffect::FillModuleTables(CrtRandom& random) {
    for (BYTE& entry : sway) entry = static_cast<BYTE>(random.Next() % 3);
    sway[0] = 1;
    for (BYTE& entry : seeds) entry = static_cast<BYTE>(random.Next() % 256);
}

STDMETHODIMP SwayingFireEffect::OnMouseMove(POINT point) {
    spot_.Follow(point, Geometry().cx, Geometry().cy);
    return S_OK;
}

void SwayingFireEffect::Step() {
    const Plane plane = Surface().Pixels(0);
    const SurfaceGeometry& area = Geometry();
    if (spot_.valid && spotAllowed_) StampStar(plane, spot_.column, spot_.row, kHottest);
    const TextPen pen(surfaceDC.get(), Text());
    pen.Draw(Entry(kHottest), area.height);
    for (int i = 1; i <= area.stride - 2; ++i) plane.pixels[i] = seeds[seedIndex_++];
    const BYTE letters = LetterEntry(ModuleRandom());
    RisingFire(plane, block.decay, 0, sway[letters], ModuleKernelForm());
    pen.Draw(Entry(letters), area.height);
}

}  // namespace palette
