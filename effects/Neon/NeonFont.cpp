#include "effects/Neon/NeonFont.h"

#include <array>

namespace {
constexpr BYTE kDefaultDecay = 5;
constexpr BYTE kDefaultLevel = 128;
// Under the mouse only the highest flicker entries light the tube.
constexpr BYTE kHoverLevel = 200;
constexpr int kTextEntry = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {128, RGB(0, 255, 255)}, {255, RGB(255, 255, 255)}};

// The module's flicker table, filled by its first object.
std::array<BYTE, 256> flicker{};
}  // namespace

// Two spare rows, above and below the letters, that are never shown.
NeonFont::NeonFont() : PaletteEffect(palette::SurfaceLayout{.extraRows = 2, .sourceRow = 1}, kDefaultKeys) {}

void NeonFont::WriteDefaultParameters() {
    block.decay = kDefaultDecay;
    block.flickerLevel = kDefaultLevel;
    block.useRunColours = 1;
}

void NeonFont::TakeParameters(const NeonBlock& record) {
    block.decay = record.decay;
    block.flickerLevel = record.flickerLevel;
}

void NeonFont::TakeWorkingCopies(bool hovered) {
    level_ = hovered ? kHoverLevel : block.flickerLevel;
    tube_.Take(block.head);
}

bool NeonFont::WatchedKeysDiffer(const NeonBlock& record) const {
    return palette::GlowColour::Differs(block.head, record.head);
}

void NeonFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    tube_.PutOn(Head());
}

void NeonFont::FillModuleTables(palette::CrtRandom& random) {
    for (BYTE& entry : flicker) entry = static_cast<BYTE>(random.Next() % 256);
}

void NeonFont::Step() {
    ++frame_;
    const bool lit = flicker[frame_] > level_;
    const palette::TextPen pen(surfaceDC.get(), Text());
    const int baseline = Geometry().height - 1;
    if (lit) pen.Draw(Entry(kTextEntry), baseline);
    palette::FourNeighbourGlow(Surface().Pixels(0), block.decay, palette::ModuleKernelForm());
    // The tube itself stays crisp over its glow.
    if (lit) pen.Draw(Entry(kTextEntry), baseline);
}
