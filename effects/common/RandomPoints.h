// Random points inside a surface, drawn at every build and visited in turn by
// the frames, and the stamps put on them (the five-pixel plus, the 5 x 3
// star). The points keep a margin from the surface's edges so that every
// stamp fits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "effects/common/CrtRandom.h"
#include "effects/common/Kernels.h"

namespace palette {

template <int Count>
class RandomPoints {
    static_assert((Count & (Count - 1)) == 0, "the index wraps by masking");

public:
    static constexpr int kCount = Count;

    // Columns in margin .. width - margin - 1, rows in margin .. height -
    // margin - 1: one rand() for x, then one for y, point after point.
    void Fill(CrtRandom& random, int width, int height, int margin) {
        for (int i = 0; i < Count; ++i) {
            x_[i] = random.Next() % (width - 2 * margin) + margin;
            y_[i] = random.Next() % (height - 2 * margin) + margin;
        }
    }
    std::int32_t X(int i) const { return x_[i & (Count - 1)]; }
    std::int32_t Y(int i) const { return y_[i & (Count - 1)]; }

private:
    std::array<std::int32_t, Count> x_{};
    std::array<std::int32_t, Count> y_{};
};

// The point the stamps centre on: row y + 1 of the surface (as the falling
// and rising effects place their drops), column x.
inline std::ptrdiff_t StampCentre(const Plane& plane, int x, int y) {
    return static_cast<std::ptrdiff_t>(y + 1) * plane.stride + x;
}

// A plus of five pixels: the centre, left and right, above and below.
inline void StampPlus(const Plane& plane, std::ptrdiff_t at, BYTE value) {
    BYTE* p = plane.pixels;
    const std::ptrdiff_t stride = plane.stride;
    p[at - 1] = p[at] = p[at + 1] = p[at + stride] = p[at - stride] = value;
}

}  // namespace palette
