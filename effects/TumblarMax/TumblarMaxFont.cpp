#include "effects/TumblarMax/TumblarMaxFont.h"

#include <algorithm>
#include <cstring>

#include "effects/common/Turning.h"

namespace {
constexpr BYTE kDefaultSpeed = 16;
constexpr BYTE kFacingFront = 0;
}  // namespace

TumblarMaxFont::TumblarMaxFont() : TurningEffect(kDefaultSpeed) {}

void TumblarMaxFont::SurfacesBuilt() {
    TurningEffect::SurfacesBuilt();
    TakeCharacterPlaces();
}

// Bright facing front, dim edge-on and upside down.
BYTE TumblarMaxFont::Shade() const {
    double shade = palette::CosineTable()[static_cast<BYTE>(2 * phase_)] * 100 + 127;
    if (phase_ >= 64 && phase_ <= 192) shade *= 0.5;
    return static_cast<BYTE>(static_cast<int>(shade));
}

void TumblarMaxFont::Step() {
    phase_ = Hovered() ? kFacingFront : static_cast<BYTE>(phase_ + block.speed);
    band_.Advance(phase_, block.speed, Text().PlacedCount());
    DrawTextOver(kSource, Shade(), kOutput);

    // The standing characters, then the turning one's band over them.
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const int stride = output.stride;
    std::memset(output.pixels, 0, static_cast<size_t>(stride) * output.height);
    DrawTextOver(kOutput, kTextEntry, kOutput);
    const int turning = band_.Index();
    if (turning >= Text().PlacedCount()) return;
    const int left = std::clamp(Text().Place(turning), 0, stride);
    const int width = std::clamp(Text().Place(turning + 1), left, stride) - left;
    for (int row = 0; row < output.height; ++row) std::memset(output.pixels + row * stride + left, 0, width);
    const double turn = palette::CosineTable()[phase_];
    for (int row = 0; row < output.height; ++row)
        std::memcpy(output.pixels + palette::MiddleLineRow(output.height, row + 1, turn) * stride + left,
                    source.pixels + row * stride + left, width);
}
