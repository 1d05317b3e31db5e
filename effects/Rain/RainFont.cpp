#include "effects/Rain/RainFont.h"

namespace {
constexpr BYTE kDefaultDecay = 8;
constexpr BYTE kDefaultDrops = 20;
// While the mouse is over the run the streaks hardly fade.
constexpr BYTE kHoverDecay = 1;
constexpr BYTE kDrop = 255;
constexpr int kTextEntry = 255;
// Drop points stay this far inside the surface, so that every plus fits.
constexpr int kMargin = 4;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)},       {1, RGB(0, 0, 0)},         {85, RGB(0, 0, 255)},
    {170, RGB(0, 255, 255)}, {254, RGB(255, 255, 255)}, {255, RGB(255, 255, 255)},
};
}  // namespace

RainFont::RainFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys) {}

STDMETHODIMP RainFont::MouseEnter() {
    workingDecay_ = kHoverDecay;
    return S_OK;
}

STDMETHODIMP RainFont::MouseLeave() {
    workingDecay_ = block.decay;
    return S_OK;
}

void RainFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.drops = kDefaultDrops;
    block.useRunColours = 1;
    workingDecay_ = kDefaultDecay;
}

void RainFont::TakeParameters(const RainBlock& record) {
    block.decay = record.decay;
    block.drops = record.drops;
    workingDecay_ = record.decay;
}

void RainFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    PutTextColourOnKey();
}

void RainFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    dropsAllowed_ = RoomForPoints();
    palette::CrtRandom& random = palette::ModuleRandom();
    random.SeedWithClock();
    if (!dropsAllowed_) return;
    for (int i = 0; i < kPoints; ++i) {
        pointX_[i] = random.Next() % (area.stride - 2 * kMargin) + kMargin;
        pointY_[i] = random.Next() % (area.cy - 2 * kMargin) + kMargin;
    }
}

void RainFont::StampDrops(const palette::Plane& plane) {
    BYTE* pixels = plane.pixels;
    const std::ptrdiff_t stride = plane.stride;
    for (int n = 0; n < block.drops; ++n) {
        const std::ptrdiff_t at = (pointY_[dropIndex_] + 1) * stride + pointX_[dropIndex_];
        pixels[at - 1] = pixels[at] = pixels[at + 1] = pixels[at + stride] = pixels[at - stride] = kDrop;
        ++dropIndex_;
    }
}

void RainFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    const palette::TextPen pen(surfaceDC.get(), Text());
    pen.Draw(Entry(kTextEntry), Geometry().height);
    if (dropsAllowed_) StampDrops(plane);
    plane.pixels[0] = 0;
    palette::FallingStreaks(plane, workingDecay_, palette::ModuleKernelForm());
    // The letters stay crisp over their own drips.
    pen.Draw(Entry(kTextEntry), Geometry().height);
}
