#include "effects/Emberquench/EmberquenchFont.h"

#include <array>

namespace {
constexpr BYTE kDefaultCooling = 2;
// Entries 0..127 are the grey ramp of the put-out fire, 128..255 the fire ramp.
constexpr BYTE kBurning = 128;
constexpr BYTE kPutOut = 0;
constexpr int kGreyEntry = 64;
constexpr int kTextEntry = 255;
constexpr int kFlameSlot = 3;
// The letters flicker between 100 and 124 entries above the floor.
constexpr int kHeatBase = 100;
constexpr int kHeatFlicker = 25;
// Seeds stay inside one ramp.
constexpr int kSeedRange = 127;
// The heat written above the centre of the three pixels below it.
constexpr int kAboveCentre = 1;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)},     {1, RGB(0, 0, 0)},       {127, RGB(255, 255, 255)},   {128, RGB(0, 0, 0)},
    {170, RGB(255, 0, 0)}, {212, RGB(255, 255, 0)}, {255, RGB(255, 255, 255)},
};

// The module's seed heats, shared by its objects.
std::array<BYTE, 256> seeds{};
}  // namespace

EmberquenchFont::EmberquenchFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys) {}

void EmberquenchFont::WriteDefaultParameters() {
    block.cooling = kDefaultCooling;
    block.useRunColours = 1;
}

void EmberquenchFont::TakeParameters(const EmberquenchBlock& record) { block.cooling = record.cooling; }

bool EmberquenchFont::WatchedKeysDiffer(const EmberquenchBlock& record) const {
    return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
}

void EmberquenchFont::PutRunColours() {
    if (!UseRunColours()) return;
    // The background under both ramps.
    PutBackgroundColourOnKey(0, 0);
    PutBackgroundColourOnKey(kFlameSlot, kBurning);
}

void EmberquenchFont::FillModuleTables(palette::CrtRandom& random) {
    for (BYTE& seed : seeds) seed = static_cast<BYTE>(random.Next() % kSeedRange);
}

void EmberquenchFont::Entered() {
    putOut_ = !putOut_;
    base_ = putOut_ ? kPutOut : kBurning;
}

void EmberquenchFont::BeforeBuild() {
    // Every build lights the fire again.
    putOut_ = false;
    base_ = kBurning;
}

void EmberquenchFont::SurfacesBuilt() {
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
    BuildPixelList(0);
}

void EmberquenchFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    if (Pixels().Exists()) {
        for (const std::uint32_t at : Pixels().Offsets()) plane.pixels[at] = static_cast<BYTE>(seeds[phase_++] + base_);
    }
    const auto heat = static_cast<BYTE>(palette::ModuleRandom().Next() % kHeatFlicker + base_ + kHeatBase);
    palette::RisingFire(plane, block.cooling, base_, kAboveCentre, palette::ModuleKernelForm());
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(putOut_ ? kGreyEntry : heat), Geometry().height);
}
