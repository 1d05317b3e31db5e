#include "effects/Psyche/PsycheFont.h"

#include <cmath>

namespace {
constexpr std::int32_t kDefaultSpeed = -3;
constexpr std::int32_t kDefaultAmplitude = 4;
constexpr int kLetterEntry = 0;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)},         {1, RGB(0, 0, 255)},     {42, RGB(0, 255, 255)},
    {84, RGB(0, 255, 0)},      {128, RGB(255, 255, 0)}, {170, RGB(255, 0, 0)},
    {212, RGB(255, 0, 255)},   {254, RGB(255, 255, 255)}, {255, RGB(0, 0, 0)}};

// The module's phase table of the vertical wave's jumps, 0 .. 2.
palette::PhaseTable<double> jumps{};

// The ends of the plasma table are never looked up: index 0 and 255 stand for 1.
BYTE Inner(BYTE index) { return index == 0 || index == 255 ? 1 : index; }
}  // namespace

PsycheFont::PsycheFont() : PaletteEffect(palette::SurfaceLayout{}, kDefaultKeys) {}

void PsycheFont::WriteDefaultParameters() {
    block.speed = kDefaultSpeed;
    block.amplitude = kDefaultAmplitude;
    block.useRunColours = 1;
}

void PsycheFont::TakeParameters(const PsycheBlock& record) {
    block.speed = record.speed;
    block.amplitude = record.amplitude;
}

void PsycheFont::TakeWorkingCopies(bool hovered) {
    // Doubled in unsigned arithmetic: any stored speed, and only its low byte counts.
    const auto speed = static_cast<std::uint32_t>(block.speed);
    speed_ = static_cast<BYTE>(hovered ? speed * 2u : speed);
}

bool PsycheFont::WatchedKeysDiffer(const PsycheBlock& record) const {
    return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
}

void PsycheFont::FillModuleTables(palette::CrtRandom&) {
    palette::FillPhaseTable(jumps, [](int i) { return std::sin(palette::PhaseAngle(i)) + 1.0; });
}

void PsycheFont::SurfacesBuilt() {
    palette::FillPhaseTable(plasma_, [](int i) {
        return static_cast<BYTE>(64 - static_cast<int>(std::sin(palette::PhaseAngle(i)) * -62.0));
    });
    columns_.resize(static_cast<size_t>(Geometry().stride));
}

void PsycheFont::Step() {
    const BYTE c = ++frame_;
    // The horizontal wave: the same for every row of the frame.
    for (size_t j = 0; j < columns_.size(); ++j)
        columns_[j] = plasma_[Inner(static_cast<BYTE>(speed_ * c + j))];

    const palette::Plane plane = Surface().Pixels(0);
    // The jump of the vertical wave, in 64 bits: amplitude x 2 x 255 outgrows 32.
    const double jump = static_cast<double>(block.amplitude) * jumps[c] * c;
    for (int i = 1; i <= Geometry().cy; ++i) {
        const BYTE vertical = plasma_[Inner(static_cast<BYTE>(static_cast<std::int64_t>(jump + i)))];
        BYTE* row = plane.pixels + static_cast<std::ptrdiff_t>(i - 1) * plane.stride;
        for (size_t j = 0; j < columns_.size(); ++j) row[j] = static_cast<BYTE>(columns_[j] + vertical);
    }
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kLetterEntry), Geometry().height);
}
