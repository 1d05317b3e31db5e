#include "effects/Naughty/NaughtyFont.h"

#include <algorithm>
#include <cstring>

#include "effects/common/CrtRandom.h"

namespace {
constexpr std::int32_t kDefaultRange = 10;
constexpr int kTextEntry = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {1, RGB(0, 0, 0)}, {254, RGB(255, 255, 255)}, {255, RGB(255, 255, 255)}};

// Ranges are margins of the drawing area, never negative; a range of 0 is no jitter.
int Range(std::int32_t stored) { return std::max(stored, 0); }

// One draw of the generator whatever the range, so every character takes two.
int Jitter(palette::CrtRandom& random, int range) {
    const int draw = random.Next();
    return range > 0 ? draw % range : 0;
}
}  // namespace

NaughtyFont::NaughtyFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 1}, kDefaultKeys, palette::KeyCopy::FirstEightPositions,
                    palette::TextColourKey::Last, palette::HoverAtBuild::Ends) {}

palette::WideSize NaughtyFont::AreaAround(SIZE text) {
    return {text.cx + 2LL * Range(block.across), text.cy + 2LL * Range(block.down)};
}

int NaughtyFont::LeftMargin() { return Range(block.across); }

void NaughtyFont::WriteDefaultParameters() {
    block.across = kDefaultRange;
    block.down = kDefaultRange;
    block.useRunColours = 1;
}

bool NaughtyFont::WatchedFieldsDiffer(const NaughtyBlock& record) const {
    return record.across != block.across || record.down != block.down || record.useRunColours != block.useRunColours;
}

void NaughtyFont::TakeWatchedFields(const NaughtyBlock& record) {
    block.across = record.across;
    block.down = record.down;
    block.useRunColours = record.useRunColours;
}

bool NaughtyFont::WatchedKeysDiffer(const NaughtyBlock& record) const {
    return !palette::SameColour(record.head.keys[0], block.head.keys[0]);
}

void NaughtyFont::Step() {
    const palette::Plane surface = Surface().Pixels(0);
    std::memset(surface.pixels, 0, static_cast<size_t>(surface.stride) * surface.height);
    const int across = Range(block.across);
    const int down = Range(block.down);
    const bool lined = Hovered();
    palette::CrtRandom& random = palette::ModuleRandom();
    palette::TextPen(surfaceDC.get(), Text())
        .DrawCharacters(Entry(kTextEntry), TA_LEFT | TA_BOTTOM, Geometry().height, [&](int) {
            if (lined) return POINT{0, -(down / 2)};
            const int dx = Jitter(random, across);
            const int dy = Jitter(random, down) - down - 1;
            return POINT{dx, dy};
        });
    // The jumping letters leave rows of the margins at entry 0.
    DrewRows(palette::InkedRows(surface));
}
