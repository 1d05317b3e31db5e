#include "effects/Bow/BowFont.h"

#include <algorithm>
#include <cstring>

#include "effects/common/Turning.h"

namespace {
constexpr std::int32_t kDefaultPivotLift = 5;
constexpr std::int32_t kDefaultLean = 5;
constexpr BYTE kDefaultSpeed = 8;
constexpr int kTextEntry = 255;
constexpr int kStandingEntry = 160;
constexpr double kFrontDimming = 0.62;
constexpr int kSource = 0;
constexpr int kOutput = 1;
// Runs no taller than twice this stand still.
constexpr int kSmallestHalf = 5;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};
}  // namespace

BowFont::BowFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys, palette::KeyCopy::FirstEightPositions, palette::TextColourKey::Last) {}

palette::WideSize BowFont::AreaAround(SIZE text) {
    // Corrected in the block itself: what is saved from then on.
    if (block.lean > text.cy) block.lean = text.cy;
    return {text.cx + std::max(block.lean, 0), text.cy};
}

void BowFont::WriteDefaultParameters() {
    block.pivotLift = kDefaultPivotLift;
    block.lean = kDefaultLean;
    block.speed = kDefaultSpeed;
    block.useRunColours = 1;
}

void BowFont::TakeParameters(const BowBlock& record) {
    block.pivotLift = record.pivotLift;
    block.lean = record.lean;
    block.speed = record.speed;
}

void BowFont::TakeWorkingCopies(bool hovered) { speed_ = static_cast<BYTE>(hovered ? block.speed * 2 : block.speed); }

bool BowFont::WatchedKeysDiffer(const BowBlock& record) const {
    const palette::KeyColour& wanted = record.head.keys[0];
    const palette::KeyColour& held = block.head.keys[0];
    return !palette::SameColour(wanted, held);
}

void BowFont::SurfacesBuilt() {
    if (block.pivotLift >= Geometry().height / 2) block.pivotLift = 0;
    DrawTextOver(kSource, kTextEntry, kOutput);
}

void BowFont::Step() {
    phase_ = static_cast<BYTE>(phase_ + speed_);
    DrawTextOver(kSource, palette::FacingShade(phase_, phase_ < 128 ? kFrontDimming : 1.0), kOutput);
    const palette::Plane output = Surface().Pixels(kOutput);
    std::memset(output.pixels, 0, static_cast<size_t>(output.stride) * output.height);
    DrawTextOver(kOutput, kStandingEntry, kOutput);

    if (block.pivotLift < (block.lean >> 2)) block.pivotLift = 0;
    const int half = output.height >> 1;
    if (half < kSmallestHalf) return;
    // A pivot taken from a record since the last build may lie outside the
    // upper half: the fold needs it below the half's top (a divisor and a row count).
    Fold(half, std::clamp(block.pivotLift, 0, half - 1));
}

void BowFont::Fold(int half, int pivot) {
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const int stride = output.stride;
    const int axis = half + pivot;
    std::memset(output.pixels + axis * stride, 0, static_cast<size_t>(half - pivot) * stride);

    const double turn = palette::SineTable()[phase_];
    // Half the lean, kept to what a row can show.
    const int reach = std::clamp(block.lean, 0, stride) >> 1;
    for (int v = axis; v <= output.height; ++v) {
        const int distance = v - axis;
        const int row = palette::ProjectedRow(axis, distance, turn, output.height);
        const int shift = static_cast<int>(distance * (reach - reach * turn) / (half - pivot));
        const BYTE* from = source.pixels + (v - 1) * stride;
        BYTE* to = output.pixels + row * stride;
        for (int column = 0; column + shift < stride; ++column)
            if (from[column]) to[column + shift] = from[column];
    }
}
