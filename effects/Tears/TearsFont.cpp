#include "effects/Tears/TearsFont.h"

#include <array>
#include <cmath>

#include "effects/common/PhaseTable.h"

namespace {
constexpr BYTE kDefaultDecay = 5;
constexpr BYTE kDefaultSpeed = 4;
constexpr BYTE kDefaultAmplitude = 50;
constexpr BYTE kDefaultBase = 100;
constexpr int kTextEntry = 255;
constexpr int kTearRange = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)},       {1, RGB(0, 0, 0)},         {85, RGB(0, 0, 255)},
    {170, RGB(0, 255, 255)}, {254, RGB(255, 255, 255)}, {255, RGB(255, 255, 255)},
};

// The module's tables, shared by its objects.
std::array<BYTE, 256> tears{};
palette::PhaseTable<double> pulse{};
}  // namespace

TearsFont::TearsFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys, palette::KeyCopy::WholeHead, palette::TextColourKey::Last) {}

BYTE TearsFont::PulseEntry(BYTE amplitude, BYTE base, BYTE phase) {
    // Through a signed integer: a negative pulse keeps its low byte.
    return static_cast<BYTE>(static_cast<int>(amplitude * pulse[phase] + base));
}

void TearsFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.speed = kDefaultSpeed;
    block.amplitude = kDefaultAmplitude;
    block.base = kDefaultBase;
    block.useRunColours = 1;
}

void TearsFont::TakeParameters(const TearsBlock& record) {
    block.decay = record.decay;
    block.speed = record.speed;
    block.amplitude = record.amplitude;
    block.base = record.base;
}

void TearsFont::FillModuleTables(palette::CrtRandom& random) {
    for (BYTE& tear : tears) tear = static_cast<BYTE>(random.Next() % kTearRange);
    palette::FillPhaseTable(pulse, [](int i) { return std::sin(palette::PhaseAngle(i)); });
}

void TearsFont::SurfacesBuilt() {
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
    BuildPixelList(0);
}

void TearsFont::Step() {
    const palette::Plane plane = Surface().Pixels(0);
    if (Pixels().Exists()) {
        for (const std::uint32_t at : Pixels().Offsets()) plane.pixels[at] = tears[tearIndex_++];
    }
    palette::FallingStreaks(plane, block.decay, palette::ModuleKernelForm());
    phase_ = static_cast<BYTE>(phase_ + block.speed);
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(PulseEntry(block.amplitude, block.base, phase_)),
                                                   Geometry().height);
}
