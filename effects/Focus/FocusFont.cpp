#include "effects/Focus/FocusFont.h"

#include <cmath>

namespace {
constexpr BYTE kDefaultDepth = 5;
constexpr BYTE kDefaultSpeed = 8;
// The phase of least decay, where the beat stops under the mouse.
constexpr BYTE kPinnedPhase = 192;
constexpr int kTextEntry = 255;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {128, RGB(255, 0, 255)}, {255, RGB(255, 255, 255)}};
}  // namespace

// Two spare rows, above and below the letters, that are never shown.
FocusFont::FocusFont() : PaletteEffect(palette::SurfaceLayout{.extraRows = 2, .sourceRow = 1}, kDefaultKeys) {}

void FocusFont::WriteDefaultParameters() {
    block.depth = kDefaultDepth;
    block.speed = kDefaultSpeed;
    block.useRunColours = 1;
}

void FocusFont::TakeWorkingCopies(bool) { halo_.Take(block.head); }

bool FocusFont::WatchedFieldsDiffer(const FocusBlock& record) const {
    return record.depth != block.depth || record.useRunColours != block.useRunColours;
}

void FocusFont::TakeWatchedFields(const FocusBlock& record) {
    block.depth = record.depth;
    block.useRunColours = record.useRunColours;
}

bool FocusFont::WatchedKeysDiffer(const FocusBlock& record) const {
    return palette::GlowColour::Differs(block.head, record.head);
}

// The letters are drawn in the top entry, so they show in the run's own colour.
void FocusFont::PutRunColours() {
    PaletteEffect::PutRunColours();
    halo_.PutOn(Head());
    PutTextColourOnKey();
}

void FocusFont::SurfacesBuilt() {
    const double depth = block.depth;
    palette::FillPhaseTable(beat_, [depth](int i) { return (std::sin(palette::PhaseAngle(i)) + 1.0) * depth; });
}

void FocusFont::Step() {
    const palette::TextPen pen(surfaceDC.get(), Text());
    const int baseline = Geometry().height - 1;
    pen.Draw(Entry(kTextEntry), baseline);
    phase_ = pinned_ ? kPinnedPhase : static_cast<BYTE>(phase_ + block.speed);
    // The per-pixel form subtracts the exact decay, the block forms its whole part.
    palette::FourNeighbourGlow(Surface().Pixels(0), palette::WideDecay(beat_[phase_]), palette::ModuleKernelForm());
    pen.Draw(Entry(kTextEntry), baseline);
}
