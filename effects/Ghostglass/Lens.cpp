#include "effects/Ghostglass/Lens.h"

#include <algorithm>
#include <cmath>

namespace ghostglass {

std::optional<double> LensScale(double d, int radius, double exponent) {
    if (d >= radius) return std::nullopt;
    const double m = radius * std::sin(2 * std::atan(d / radius));
    if (m == 0) return std::nullopt;
    return std::pow(d / m, exponent);
}

void LensMap::Make(int rows, int radius, int exponent) {
    rows_ = rows;
    radius_ = radius;
    cells_.assign(static_cast<size_t>(rows) * 2 * radius, Cell{});
    Remake(exponent);
}

void LensMap::Remake(int exponent) {
    exponent_ = exponent;
    const int half = rows_ / 2;
    for (int row = 1; row <= rows_; ++row) {
        const double dy = row - half;
        for (int dx = -radius_; dx < radius_; ++dx) {
            Cell& cell = cells_[(row - 1) * 2 * radius_ + dx + radius_];
            const std::optional<double> p = LensScale(std::hypot(dx, dy), radius_, exponent);
            cell = p ? Cell{dx * *p, static_cast<int>(dy * *p + radius_)} : Cell{static_cast<double>(dx), row};
        }
    }
}

bool LensSweep::Reaches(std::int64_t column, int stride, std::int32_t step) const {
    // 64-bit: a stored step may be anything a 32-bit field holds.
    const std::int64_t reach = std::int64_t{step} + radius_;
    return reach < column && column < stride - reach;
}

void LensSweep::Confine(int stride) { centre_ = std::clamp(centre_, radius_, std::max(radius_, stride - radius_)); }

void LensSweep::Move(int stride, std::int32_t step) {
    const std::int64_t x = centre_;
    if (x > std::int64_t{stride} - step - radius_) movingRight_ = false;
    if (x < std::int64_t{radius_} + step) movingRight_ = true;
    const std::int64_t moved = x + (movingRight_ ? std::int64_t{step} : -std::int64_t{step});
    // A short run (stride below 2R + 2 step), or a step of 0 or below from a
    // stored or edited block, could carry the lens past an edge: it stops there.
    centre_ = static_cast<int>(std::clamp<std::int64_t>(moved, radius_, std::max(radius_, stride - radius_)));
}

}  // namespace ghostglass
