#include "effects/Tumblar/TumblarFont.h"

#include <cstring>

#include "effects/common/Turning.h"

namespace {
constexpr BYTE kDefaultSpeed = 8;
constexpr BYTE kFacingFront = 64;
constexpr BYTE kFacingAway = 128;
constexpr double kAwayDimming = 0.4;
}  // namespace

TumblarFont::TumblarFont() : TurningEffect(kDefaultSpeed) {}

void TumblarFont::Step() {
    phase_ = Hovered() ? kFacingFront : static_cast<BYTE>(phase_ + block.speed);
    // Drawn over the source again in the shade, the letters take it.
    DrawTextOver(kSource, palette::FacingShade(phase_, phase_ >= kFacingAway ? kAwayDimming : 1.0), kOutput);

    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const size_t stride = static_cast<size_t>(output.stride);
    std::memset(output.pixels, 0, stride * output.height);
    const double turn = palette::SineTable()[phase_];
    for (int row = 0; row < output.height; ++row)
        std::memcpy(output.pixels + palette::MiddleLineRow(output.height, row + 1, turn) * stride,
                    source.pixels + row * stride, stride);
    // The text folds toward the middle line: the rows above and below it stay at entry 0.
    DrewRows(palette::InkedRows(output));
}
