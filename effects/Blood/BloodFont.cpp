#include "effects/Blood/BloodFont.h"

#include <algorithm>

#include "effects/common/PointTurns.h"
#include "effects/common/Stamps.h"

namespace {
constexpr BYTE kDefaultDecay = 5;
constexpr BYTE kDefaultDrops = 150;
// While the mouse is inside the streaks hardly fade.
constexpr BYTE kHoverDecay = 1;
constexpr BYTE kDrop = 255;
constexpr int kTextEntry = 255;
// Entries from here to 255 are all blood.
constexpr BYTE kBloodFrom = 160;
// Drop points stay this far inside the surface, so that every plus fits.
constexpr int kMargin = 4;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {160, RGB(255, 0, 0)}, {255, RGB(255, 0, 0)}};

// A key's slot counted from the last in use (0 the last), or -1 when the
// head has no such key.
int FromLast(const palette::PaletteKeyHead& head, int back) { return palette::KeysInUse(head) - 1 - back; }

bool KeyDiffers(const palette::PaletteKeyHead& a, const palette::PaletteKeyHead& b, int back) {
    const int inA = FromLast(a, back);
    const int inB = FromLast(b, back);
    if (inA < 0 || inB < 0) return inA != inB;
    return !palette::SameColour(a.keys[inA], b.keys[inB]);
}
}  // namespace

BloodFont::BloodFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys) {}

void BloodFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.drops = kDefaultDrops;
    block.useRunColours = 1;
}

void BloodFont::TakeParameters(const BloodBlock& record) {
    block.decay = record.decay;
    block.drops = record.drops;
}

void BloodFont::TakeWorkingCopies(bool hovered) {
    workingDecay_ = hovered ? kHoverDecay : block.decay;
    // A head with no key in use still has its first slot.
    blood_ = block.head.keys[std::max(FromLast(block.head, 0), 0)];
}

bool BloodFont::WatchedKeysDiffer(const BloodBlock& record) const {
    return KeyDiffers(block.head, record.head, 0) || KeyDiffers(block.head, record.head, 1);
}

void BloodFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    const COLORREF blood = RGB(blood_.red, blood_.green, blood_.blue);
    const int last = FromLast(Head(), 0);
    palette::PutColourOnKey(Head(), last - 1, kBloodFrom, blood);
    palette::PutColourOnKey(Head(), last, 255, blood);
}

void BloodFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    dropsAllowed_ = RoomForPoints();
    palette::CrtRandom& random = palette::ModuleRandom();
    random.SeedWithClock();
    if (dropsAllowed_) points_.Fill(random, area.stride, area.cy, kMargin);
}

void BloodFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    const palette::TextPen pen(surfaceDC.get(), Text());
    // One row above its resting place: the letters drip faintly.
    pen.Draw(Entry(kTextEntry), Geometry().height - 1);
    if (bleeding_ && dropsAllowed_) {
        dropIndex_ = palette::VisitInTurn(dropIndex_, block.drops, points_.kCount, [&](int i) {
            palette::StampPlus(plane, palette::StampCentre(plane, points_.X(i), points_.Y(i)), kDrop);
        });
        plane.pixels[0] = 0;
    }
    palette::FallingStreaks(plane, workingDecay_, palette::ModuleKernelForm());
    pen.Draw(Entry(kTextEntry), Geometry().height);
}
