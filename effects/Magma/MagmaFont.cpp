#include "effects/Magma/MagmaFont.h"

#include "effects/common/PointTurns.h"
#include "effects/common/Stamps.h"

namespace {
constexpr BYTE kDefaultDecay = 5;
constexpr std::int32_t kDefaultSpots = 30;
// While the mouse is over the run the glow does not fade and the spots double.
constexpr BYTE kHoverDecay = 0;
constexpr int kHoverSpotFactor = 2;
constexpr BYTE kSpot = 255;
constexpr int kTextEntry = 255;
// Spot points stay this far inside the surface, so that every spot fits.
constexpr int kMargin = 4;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {128, RGB(255, 0, 0)}, {255, RGB(255, 255, 0)}};
}  // namespace

// Two rows more than the text: the glow spreads below the letters too.
MagmaFont::MagmaFont() : PaletteEffect(palette::SurfaceLayout{.extraRows = 2}, kDefaultKeys) {}

void MagmaFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.spots = kDefaultSpots;
    block.useRunColours = 1;
}

void MagmaFont::TakeParameters(const MagmaBlock& record) {
    block.decay = record.decay;
    block.spots = record.spots;
}

void MagmaFont::TakeWorkingCopies(bool hovered) {
    workingDecay_ = hovered ? kHoverDecay : block.decay;
    workingSpots_ = hovered ? std::int64_t{kHoverSpotFactor} * block.spots : block.spots;
}

bool MagmaFont::WatchedKeysDiffer(const MagmaBlock& record) const {
    return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
}

void MagmaFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    spotsAllowed_ = RoomForPoints();
    palette::CrtRandom& random = palette::ModuleRandom();
    random.SeedWithClock();
    if (spotsAllowed_) points_.Fill(random, area.stride, area.height, kMargin);
}

void MagmaFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    // The text covers picture rows 1 .. cy; the copy shows rows 0 .. cy - 1.
    const int baseline = Geometry().height - 1;
    const palette::TextPen pen(surfaceDC.get(), Text());
    pen.Draw(Entry(kTextEntry), baseline);
    if (spotsAllowed_) {
        spotIndex_ = palette::VisitInTurn(spotIndex_, workingSpots_, points_.kCount, [&](int i) {
            palette::StampPlus(plane, palette::StampCentre(plane, points_.X(i), points_.Y(i)), kSpot);
        });
    }
    plane.pixels[0] = 0;
    palette::FourNeighbourGlow(plane, workingDecay_, palette::ModuleKernelForm());
    pen.Draw(Entry(kTextEntry), baseline);
}
