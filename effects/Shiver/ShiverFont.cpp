#include "effects/Shiver/ShiverFont.h"

#include <algorithm>

namespace {
constexpr std::int32_t kDefaultHorizontalRange = 3;
constexpr std::int32_t kDefaultVerticalRange = 4;
constexpr std::int32_t kDefaultHorizontalMargin = 8;
constexpr std::int32_t kDefaultVerticalMargin = 5;
constexpr BYTE kDefaultDecay = 5;
constexpr int kTextEntry = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 255, 255)}};

int AtLeastOne(std::int32_t range) { return std::max(range, 1); }
}  // namespace

// One spare row above the letters.
ShiverFont::ShiverFont() : PaletteEffect(palette::SurfaceLayout{.extraRows = 1}, kDefaultKeys, palette::KeyCopy::WholeHead, palette::TextColourKey::Last) {}

int ShiverFont::HorizontalMargin() const { return std::max(block.horizontalMargin, 0); }
int ShiverFont::VerticalMargin() const { return std::max(block.verticalMargin, 0); }

palette::WideSize ShiverFont::AreaAround(SIZE text) {
    return {text.cx + 2LL * HorizontalMargin(), text.cy + 2LL * VerticalMargin()};
}

int ShiverFont::LeftMargin() { return HorizontalMargin(); }

void ShiverFont::WriteDefaultParameters() {
    block.horizontalRange = kDefaultHorizontalRange;
    block.verticalRange = kDefaultVerticalRange;
    block.horizontalMargin = kDefaultHorizontalMargin;
    block.verticalMargin = kDefaultVerticalMargin;
    block.decay = kDefaultDecay;
    block.useRunColours = 1;
}

void ShiverFont::TakeParameters(const ShiverBlock& record) {
    block.decay = record.decay;
    block.horizontalRange = record.horizontalRange;
    block.verticalRange = record.verticalRange;
}

// Under the mouse both ranges, the vertical one too, are the horizontal margin.
void ShiverFont::TakeWorkingCopies(bool hovered) {
    horizontalRange_ = AtLeastOne(hovered ? HorizontalMargin() : block.horizontalRange);
    verticalRange_ = AtLeastOne(hovered ? HorizontalMargin() : block.verticalRange);
}

bool ShiverFont::WatchedFieldsDiffer(const ShiverBlock& record) const {
    return record.useRunColours != block.useRunColours || record.horizontalMargin != block.horizontalMargin ||
           record.verticalMargin != block.verticalMargin;
}

void ShiverFont::TakeWatchedFields(const ShiverBlock& record) {
    block.horizontalMargin = record.horizontalMargin;
    block.verticalMargin = record.verticalMargin;
    block.useRunColours = record.useRunColours;
}

void ShiverFont::SurfacesBuilt() { palette::ModuleRandom().SeedWithClock(); }

void ShiverFont::Step() {
    palette::CrtRandom& random = palette::ModuleRandom();
    const int dx = random.Next() % horizontalRange_ + HorizontalMargin();
    const int dy = random.Next() % verticalRange_ - VerticalMargin() - 1;
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height + dy, dx);
    // After the drawing: the letters themselves show softened.
    palette::FourNeighbourGlow(Surface().Pixels(0), block.decay, palette::ModuleKernelForm());
}
