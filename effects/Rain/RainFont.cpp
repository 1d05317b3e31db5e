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

RainFont::RainFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys, palette::KeyCopy::WholeHead, palette::TextColourKey::Last) {}

void RainFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.drops = kDefaultDrops;
    block.useRunColours = 1;
}

void RainFont::TakeParameters(const RainBlock& record) {
    block.decay = record.decay;
    block.drops = record.drops;
}

void RainFont::TakeWorkingCopies(bool hovered) { workingDecay_ = hovered ? kHoverDecay : block.decay; }

void RainFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    dropsAllowed_ = RoomForPoints();
    palette::CrtRandom& random = palette::ModuleRandom();
    random.SeedWithClock();
    if (dropsAllowed_) points_.Fill(random, area.stride, area.cy, kMargin);
}

void RainFont::StampDrops(const palette::Plane& plane) {
    for (int n = 0; n < block.drops; ++n) {
        palette::StampPlus(plane, palette::StampCentre(plane, points_.X(dropIndex_), points_.Y(dropIndex_)), kDrop);
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
