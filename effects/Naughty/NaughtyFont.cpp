#include "effects/Naughty/NaughtyFont.h"

#include <algorithm>
#include <cstring>

#include "effects/common/CrtRandom.h"
#include "effects/common/UprightFont.h"

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

void NaughtyFont::SurfacesBuilt() {
    TakeCharacterPlaces();
    const palette::SurfaceText& text = Text();
    // Captured where the mouse lines the letters up: half the range up, the
    // most room on every side.
    references_.clear();
    for (int i = 0; i < text.PlacedCount(); ++i) references_.push_back({text.Place(i), Lined().y});
    upright_ = palette::IsUpright(text.Font());
    stamps_.Reset(1, {text.Characters(), references_, Geometry().stride, Geometry().height,
                      palette::GlyphReach(surfaceDC.get(), text.Font())});
}

void NaughtyFont::ReleaseTextBitmap() {
    stamps_.Clear();
    PaletteEffect::ReleaseTextBitmap();
}

POINT NaughtyFont::Lined() const { return {0, Geometry().height - Range(block.down) / 2}; }

void NaughtyFont::Step() {
    const palette::Plane surface = Surface().Pixels(0);
    std::memset(surface.pixels, 0, static_cast<size_t>(surface.stride) * surface.height);
    const int across = Range(block.across);
    const int down = Range(block.down);
    const bool lined = Hovered();
    const int baseline = Geometry().height;
    palette::CrtRandom& random = palette::ModuleRandom();
    offsets_.clear();
    for (int i = 0; i < Text().PlacedCount(); ++i) {
        if (lined) {
            offsets_.push_back({0, -(down / 2)});
            continue;
        }
        const int dx = Jitter(random, across);
        const int dy = Jitter(random, down) - down - 1;
        offsets_.push_back({dx, dy});
    }
    const palette::TextCall call{Text().Font(), Entry(kTextEntry), TA_LEFT | TA_BOTTOM, Colours()};
    if (upright_ && !stamps_.Captured(0)) stamps_.Capture(0, call);
    palette::RowRange rows;
    bool stamped = upright_;
    for (int i = 0; i < static_cast<int>(offsets_.size()) && stamped; ++i) {
        // Offsets from the capture's place.
        const POINT moved{offsets_[i].x, baseline + offsets_[i].y - Lined().y};
        stamped = stamps_.StampMoved(0, i, moved, surface, rows);
    }
    if (stamped) {
        DrewRows(rows);
        return;
    }
    // A letter without a stamp: the text calls draw them all.
    std::memset(surface.pixels, 0, static_cast<size_t>(surface.stride) * surface.height);
    palette::TextPen(surfaceDC.get(), Text())
        .DrawCharacters(call.colour, call.alignment, baseline, [this](int i) { return offsets_[i]; });
    // The jumping letters leave rows of the margins at entry 0.
    DrewRows(palette::InkedRows(surface));
}
