#include "effects/Sway/SwayFont.h"

#include <cstring>

namespace {
constexpr BYTE kDefaultSpeed = 8;
constexpr BYTE kHoverSpeed = 2;
constexpr double kHoverNarrowing = 0.25;
constexpr int kTextEntry = 255;
constexpr int kSource = 0;
constexpr int kOutput = 1;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};
}  // namespace

SwayFont::SwayFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys, palette::KeyCopy::FirstEightPositions,
                    palette::TextColourKey::Last, palette::HoverAtBuild::Ends) {}

palette::WideSize SwayFont::AreaAround(SIZE text) { return {text.cx + 2LL * Amplitude(), text.cy}; }

int SwayFont::LeftMargin() { return Amplitude(); }

void SwayFont::WriteDefaultParameters() {
    block.amplitude = 0;
    block.speed = kDefaultSpeed;
    block.useRunColours = 1;
}

bool SwayFont::WatchedFieldsDiffer(const SwayBlock& record) const {
    return record.amplitude != block.amplitude || record.useRunColours != block.useRunColours;
}

void SwayFont::TakeWatchedFields(const SwayBlock& record) {
    block.amplitude = record.amplitude;
    block.useRunColours = record.useRunColours;
}

int SwayFont::Amplitude() { return palette::LeanAmplitude(block.amplitude, Extent().Extent().cy); }

// The block keeps the height the first surfaces were made with.
void SwayFont::BeforeBuild() { block.amplitude = static_cast<BYTE>(Amplitude()); }

void SwayFont::SurfacesBuilt() {
    lean_.Build(Amplitude());
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height, lean_.Amplitude());
    Surface().Select(kOutput);
}

void SwayFont::Step() {
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const int stride = output.stride;
    std::memset(output.pixels, 0, static_cast<size_t>(stride) * output.height);
    const bool hovered = Hovered();
    phase_ = static_cast<BYTE>(phase_ + (hovered ? kHoverSpeed : block.speed));
    const double offset = lean_.Offset(phase_) * (hovered ? kHoverNarrowing : 1.0);
    const int rows = output.height;
    for (int r = 0; r < rows; ++r) {
        const ptrdiff_t at = static_cast<ptrdiff_t>(r) * stride;
        lean_.CopyRow(source.pixels + at, output.pixels + at, stride, palette::Lean::Shift(offset, r + 1, rows));
    }
}
