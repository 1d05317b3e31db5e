#include "effects/Ghostglass/GhostglassFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr std::int32_t kDefaultStep = 4;
constexpr BYTE kDefaultExponent = 3;
constexpr int kTextEntry = 255;
constexpr int kSource = 0;
constexpr int kOutput = 1;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {1, RGB(0, 0, 0)}, {254, RGB(255, 255, 255)}, {255, RGB(255, 255, 255)}};
}  // namespace

GhostglassFont::GhostglassFont() : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys) {}

void GhostglassFont::WriteDefaultParameters() {
    block.step = kDefaultStep;
    block.exponent = kDefaultExponent;
    block.useRunColours = 1;
}

void GhostglassFont::TakeParameters(const GhostglassBlock& record) {
    block.step = record.step;
    block.exponent = record.exponent;
}

void GhostglassFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    PutTextColourOnKey();
}

bool GhostglassFont::InSweep(std::int64_t column) const {
    // 64-bit: a stored step may be anything a 32-bit field holds.
    const std::int64_t reach = std::int64_t{block.step} + radius_;
    return reach < column && column < Geometry().stride - reach;
}

STDMETHODIMP GhostglassFont::OnMouseMove(POINT point) {
    if (InSweep(point.x)) {
        centre_ = point.x;
        held_ = true;
    } else {
        held_ = false;
    }
    return S_OK;
}

void GhostglassFont::BeforeBuild() {
    centre_ = 0;
    radius_ = 0;
    movingRight_ = true;
    held_ = false;
}

void GhostglassFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    enabled_ = RoomForPoints();
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), area.height);
    Surface().Select(kOutput);
    // A run taller than its surface is wide has no room for the lens.
    if (enabled_ && area.cy > area.stride) enabled_ = false;
    if (enabled_) radius_ = area.cy / 2;
    centre_ = radius_;
}

void GhostglassFont::Refract(const palette::Plane& source, const palette::Plane& output) const {
    const int stride = output.stride;
    const int rows = Geometry().cy;
    const int r = radius_;
    const int half = rows / 2;
    const double exponent = block.exponent;
    for (int row = 1; row <= rows; ++row)
        std::memset(output.pixels + (row - 1) * stride + centre_ - r, 0, 2 * r);
    for (int row = 1; row <= rows; ++row) {
        const BYTE* from = source.pixels + (row - 1) * stride;
        const double dy = row - half;
        for (int column = centre_ - r; column < centre_ + r; ++column) {
            const double dx = column - centre_;
            const double d = std::hypot(dx, dy);
            BYTE* to = output.pixels + (row - 1) * stride + column;
            if (d >= r) {
                *to = from[column];
                continue;
            }
            const double m = r * std::sin(2 * std::atan(d / r));
            if (m == 0) {
                *to = from[column];
                continue;
            }
            const double p = std::pow(d / m, exponent);
            const int targetColumn = static_cast<int>(dx * p + centre_);
            const int targetRow = static_cast<int>(dy * p + r);
            output.pixels[(targetRow - 1) * stride + targetColumn] = from[column];
        }
    }
}

void GhostglassFont::Move() {
    const std::int64_t stride = Geometry().stride;
    const std::int64_t step = block.step;
    std::int64_t x = centre_;
    if (x > stride - step - radius_) movingRight_ = false;
    if (x < radius_ + step) movingRight_ = true;
    x += movingRight_ ? step : -step;
    // A short run (stride below 2R + 2 step), or a step of 0 or below from a
    // stored or edited block, could carry the lens past an edge: it stops there.
    centre_ = static_cast<int>(std::clamp<std::int64_t>(x, radius_, stride - radius_));
}

void GhostglassFont::Step() {
    const palette::Plane output = Surface().Pixels(kOutput);
    std::memset(output.pixels, 0, static_cast<size_t>(output.stride) * output.height);
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
    if (!enabled_) return;
    // A held lens stays where the mouse put it, which is always inside.
    centre_ = std::clamp(centre_, radius_, output.stride - radius_);
    Refract(Surface().Pixels(kSource), output);
    if (!held_) Move();
}
