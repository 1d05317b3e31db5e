#include "effects/Water/WaterFont.h"

#include <algorithm>
#include <new>

namespace {
constexpr std::int32_t kDefaultDropHeight = 1000;
constexpr std::int32_t kDefaultDropDuration = 100;
constexpr BYTE kDefaultDamping = 4;
constexpr std::int32_t kLeaveWave = 500;
constexpr int kTextEntry = 255;
constexpr int kSource = 0;
constexpr int kOutput = 1;
// A shift of 32 or more is no shift of a 32-bit cell.
constexpr int kLargestDamping = 31;
// Heights stay within this bound, so that the sum of four neighbours and the
// slopes never overflow a cell, whatever drop height a block holds.
constexpr std::int32_t kHeightLimit = 1 << 28;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};

std::int32_t Bounded(std::int32_t height) { return std::clamp(height, -kHeightLimit, kHeightLimit); }
}  // namespace

WaterFont::WaterFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 2, .extraRows = 1}, kDefaultKeys,
                    palette::KeyCopy::FirstEightPositions, palette::TextColourKey::Last) {}

void WaterFont::WriteDefaultParameters() {
    block.dropHeight = kDefaultDropHeight;
    block.dropDuration = kDefaultDropDuration;
    block.damping = kDefaultDamping;
    block.useRunColours = 1;
}

void WaterFont::TakeParameters(const WaterBlock& record) {
    block.dropHeight = record.dropHeight;
    block.dropDuration = record.dropDuration;
    block.damping = record.damping;
}

STDMETHODIMP WaterFont::OnMouseMove(POINT point) {
    dropFrames_ = 0;
    mouse_.Follow(point, Geometry().stride, Geometry().height);
    dropping_ = mouse_.valid;
    return S_OK;
}

void WaterFont::Left() {
    if (HasWater()) {
        // Into the buffer the next frame overwrites: it starts from the wave.
        const int stride = Geometry().stride;
        std::int32_t* row = Previous() + static_cast<ptrdiff_t>(Geometry().height / 2) * stride;
        std::fill(row, row + stride, kLeaveWave);
        still_ = false;
    }
    dropping_ = false;
}

void WaterFont::BeforeBuild() {
    dropFrames_ = 0;
    current_ = 1;
    dropping_ = false;
    still_ = false;
}

void WaterFont::SurfacesBuilt() {
    const size_t cells = static_cast<size_t>(Geometry().stride) * Geometry().height;
    for (auto& heights : heights_) heights.reset(new (std::nothrow) std::int32_t[cells]());
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
    Surface().Select(kOutput);
    if (!HasWater()) {
        for (auto& heights : heights_) heights.reset();
        // Last: the box runs a modal loop in which the host's ticks reach
        // this object, which by then draws still text.
        palette::ShowMemoryWarning(Identity().displayName);
    }
}

void WaterFont::ReleaseTextBitmap() {
    for (auto& heights : heights_) heights.reset();
    PaletteEffect::ReleaseTextBitmap();
}

void WaterFont::Step() {
    if (!HasWater()) {
        palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height);
        return;
    }
    if (dropping_) Drop();
    // Still water gives the same picture frame after frame: no need to work it out again.
    if (!still_) still_ = Ripple();
    current_ = 1 - current_;
}

// The stamp of a drop: the cells within a radius of 3 about the mouse, on
// offsets -3 .. 2, so it reaches one row and column further down and left.
void WaterFont::Drop() {
    if (dropFrames_ > block.dropDuration) dropping_ = false;
    else ++dropFrames_;
    still_ = false;
    const int stride = Geometry().stride;
    const std::int32_t height = Bounded(block.dropHeight);
    std::int32_t* present = Present();
    for (int dy = -3; dy <= 2; ++dy)
        for (int dx = -3; dx <= 2; ++dx)
            if (dx * dx + dy * dy < 9)
                present[static_cast<ptrdiff_t>(mouse_.row + dy) * stride + mouse_.column + dx] = height;
}

namespace {
// The pixel a slope (dy rows, dx columns) shows at cell i is the source cell
// |i + dy * stride + dx| taken modulo the surface size less one (`wrap`).
// Slopes within kNear rows and columns need no 64-bit arithmetic on a
// surface small enough; steeper ones (from large drop heights) take it.
constexpr std::int32_t kNear = 1024;

// How far a slope may reach for the 32-bit form: |offset| <= kNear when
// `Near(offset, NearSpan(...))`; nothing is near on a surface too large.
std::uint32_t NearSpan(int stride, int height) {
    const bool fits = std::int64_t{stride} * height + std::int64_t{kNear} * (stride + 1) < (std::int64_t{1} << 31);
    return fits ? 2 * kNear + 1 : 0;
}

bool Near(std::int32_t offset, std::uint32_t span) { return static_cast<std::uint32_t>(offset + kNear) < span; }

int NearFrom(int i, std::int32_t dy, std::int32_t dx, int stride, int wrap) {
    int from = i + dy * stride + dx;
    if (from < 0) from = -from;
    return from < wrap ? from : from % wrap;
}

[[gnu::noinline]] int FarFrom(int i, std::int32_t dy, std::int32_t dx, int stride, int wrap) {
    std::int64_t from = i + std::int64_t{dy} * stride + dx;
    if (from < 0) from = -from;
    return static_cast<int>(from % wrap);
}
}  // namespace

// The next heights into the previous buffer, and every output pixel from the
// source displaced by the present slope. True when the water is flat: no
// height in either buffer.
bool WaterFont::Ripple() {
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const std::int32_t* present = Present();
    std::int32_t* next = Previous();
    const int s = source.stride;
    const int wrap = s * source.height - 1;
    const std::uint32_t span = NearSpan(s, source.height);
    const int damping = std::min<int>(block.damping, kLargestDamping);
    std::int32_t heights = 0;  // any bit of any height met
    for (int i = s * source.height - 2 * s - 3; i > s; --i) {
        const std::int32_t* cell = present + i;
        const std::int32_t dy = (cell[0] - cell[2 * s]) >> 3;
        const std::int32_t dx = (cell[0] - cell[2]) >> 3;
        const bool shallow = Near(dy, span) && Near(dx, span);
        output.pixels[i] = source.pixels[shallow ? NearFrom(i, dy, dx, s, wrap) : FarFrom(i, dy, dx, s, wrap)];

        std::int32_t height = ((cell[s] + cell[-s] + cell[-1] + cell[1]) >> 1) - next[i];
        height -= height >> damping;
        next[i] = Bounded(height);
        heights |= cell[0] | next[i];
    }
    if (heights) return false;
    const auto flat = [cells = static_cast<size_t>(s) * source.height](const std::int32_t* buffer) {
        return std::all_of(buffer, buffer + cells, [](std::int32_t height) { return height == 0; });
    };
    return flat(present) && flat(next);
}
