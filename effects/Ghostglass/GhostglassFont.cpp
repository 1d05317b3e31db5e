#include "effects/Ghostglass/GhostglassFont.h"

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

GhostglassFont::GhostglassFont() : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys, palette::KeyCopy::WholeHead, palette::TextColourKey::Last) {}

void GhostglassFont::WriteDefaultParameters() {
    block.step = kDefaultStep;
    block.exponent = kDefaultExponent;
    block.useRunColours = 1;
}

void GhostglassFont::TakeParameters(const GhostglassBlock& record) {
    block.step = record.step;
    block.exponent = record.exponent;
}

STDMETHODIMP GhostglassFont::OnMouseMove(POINT point) {
    held_ = lens_.Reaches(point.x, Geometry().stride, block.step);
    if (held_) lens_.HoldAt(point.x);
    return S_OK;
}

void GhostglassFont::BeforeBuild() {
    lens_.Restart(0);
    held_ = false;
}

void GhostglassFont::SurfacesBuilt() {
    const palette::SurfaceGeometry& area = Geometry();
    enabled_ = RoomForPoints();
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), area.height);
    Surface().Select(kOutput);
    // A run taller than its surface is wide has no room for the lens.
    if (enabled_ && area.cy > area.stride) enabled_ = false;
    lens_.Restart(enabled_ ? area.cy / 2 : 0);
    if (enabled_) map_.Make(area.cy, lens_.Radius(), block.exponent);
}

void GhostglassFont::Refract(const palette::Plane& source, const palette::Plane& output) const {
    const int stride = output.stride;
    const int rows = Geometry().cy;
    const int r = lens_.Radius();
    const int x = lens_.Centre();
    for (int row = 1; row <= rows; ++row) std::memset(output.pixels + (row - 1) * stride + x - r, 0, 2 * r);
    for (int row = 1; row <= rows; ++row) {
        const BYTE* from = source.pixels + (row - 1) * stride;
        for (int dx = -r; dx < r; ++dx) {
            const ghostglass::LensMap::Cell& cell = map_.At(row, dx);
            output.pixels[(cell.row - 1) * stride + static_cast<int>(cell.shift + x)] = from[x + dx];
        }
    }
}

void GhostglassFont::Step() {
    const palette::Plane output = Surface().Pixels(kOutput);
    std::memset(output.pixels, 0, static_cast<size_t>(output.stride) * output.height);
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
    if (!enabled_) return;
    lens_.Confine(output.stride);
    if (map_.Exponent() != block.exponent) map_.Remake(block.exponent);
    Refract(Surface().Pixels(kSource), output);
    if (!held_) lens_.Move(output.stride, block.step);
}
