// Random points inside a surface, drawn at every build and visited in turn by
// the frames. The points keep a margin from the surface's edges so that the
// stamps put on them (Stamps.h) fit.
#pragma once

#include <array>
#include <cstdint>

#include "effects/common/CrtRandom.h"

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

}  // namespace palette
