#include "effects/Magic/MagicFont.h"

#include <array>
#include <cstring>

#include "effects/common/PointTurns.h"

namespace {
constexpr std::int32_t kDefaultSparks = 100;
constexpr std::int32_t kDefaultAfterglow = 100;
constexpr BYTE kDefaultSpare = 8;
constexpr BYTE kLight = 255;
constexpr int kTextEntry = 255;
// Spark points stay this far inside the surface.
constexpr int kMargin = 4;
// The point index runs 1, 2, ... 4094, 0: it never takes the table's last entry.
constexpr int kPointCycle = 4095;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)},     {1, RGB(0, 0, 0)},       {42, RGB(0, 255, 255)},  {84, RGB(0, 255, 0)},
    {128, RGB(255, 255, 0)}, {170, RGB(255, 0, 0)}, {212, RGB(255, 0, 255)}, {255, RGB(255, 255, 255)},
};

// The module's sparkle colours, shared by its objects.
std::array<BYTE, 256> sparkles{};
}  // namespace

// Two rows more than the text, so the glow has room around the letters; the
// copy starts one row down, where the text lies.
MagicFont::MagicFont() : PaletteEffect(palette::SurfaceLayout{.extraRows = 2, .sourceRow = 1}, kDefaultKeys) {}

STDMETHODIMP MagicFont::OnMouseMove(POINT point) {
    wand_.Follow(point, Geometry().cx, Geometry().cy);
    return S_OK;
}

void MagicFont::WriteDefaultParameters() {
    block.sparks = kDefaultSparks;
    block.afterglow = kDefaultAfterglow;
    block.spare = kDefaultSpare;
    block.useRunColours = 1;
}

void MagicFont::TakeParameters(const MagicBlock& record) {
    block.sparks = record.sparks;
    block.afterglow = record.afterglow;
    block.spare = record.spare;
}

void MagicFont::FillModuleTables(palette::CrtRandom& random) {
    for (BYTE& colour : sparkles) colour = static_cast<BYTE>(random.Next() % 256);
}

void MagicFont::Left() {
    inside_ = false;
    countdown_ = block.afterglow;
}

void MagicFont::BeforeBuild() {
    pointIndex_ = 0;
    inside_ = false;
    wand_.valid = false;
}

void MagicFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    sparksAllowed_ = RoomForPoints();
    palette::CrtRandom& random = palette::ModuleRandom();
    random.SeedWithClock();
    if (sparksAllowed_) points_.Fill(random, area.stride, area.height, kMargin);
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), area.height - 1);
    BuildPixelList(0);
}

void MagicFont::Sparkle(const palette::Plane& plane) {
    std::memset(plane.pixels, 0, static_cast<size_t>(plane.stride) * plane.height);
    if (!Pixels().Exists()) return;
    for (const std::uint32_t at : Pixels().Offsets()) plane.pixels[at] = sparkles[colourIndex_++];
}

void MagicFont::Spark(const palette::Plane& plane) {
    // The index moves on before each spark.
    const int next = palette::VisitInTurn((pointIndex_ + 1) % kPointCycle, block.sparks, kPointCycle, [&](int i) {
        plane.pixels[static_cast<std::ptrdiff_t>(points_.Y(i)) * plane.stride + points_.X(i)] = kLight;
    });
    pointIndex_ = (next + kPointCycle - 1) % kPointCycle;
}

void MagicFont::CountDown() {
    // Any stored afterglow counts down without wrapping.
    if (countdown_ > 1) {
        --countdown_;
        return;
    }
    countdown_ = 0;
    wand_.valid = false;
}

void MagicFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    if (sparksAllowed_ && !inside_) Sparkle(plane);
    else palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height - 1);
    if (sparksAllowed_) Spark(plane);
    CountDown();
    if (wand_.valid && sparksAllowed_) {
        palette::StampStar(plane, wand_.column, wand_.row, kLight);
        countdown_ = 1;
    }
    // The countdown is the decay; beyond 255 it clears as 255 does.
    if (inside_ || countdown_ != 0)
        palette::FourNeighbourGlow(plane, palette::WideDecay(countdown_), palette::ModuleKernelForm());
}
