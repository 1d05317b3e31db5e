#include "effects/Singing/SingingFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "effects/common/RowStretch.h"

namespace {
constexpr double kDefaultStretch = 2.0;
constexpr BYTE kDefaultSpeed = 8;
constexpr double kDefaultRatio = 2.0;
constexpr int kTextEntry = 255;
constexpr int kSource = 0;
constexpr int kOutput = 1;

constexpr palette::DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(255, 80, 255)}};

// The low 8 bits of trunc(speed x ratio), for any ratio a block may hold: one
// that is not a finite number stands the stretch still.
BYTE StretchStep(BYTE speed, double ratio) {
    const double step = std::trunc(speed * ratio);
    if (!std::isfinite(step)) return 0;
    return static_cast<BYTE>(static_cast<int>(std::fmod(step, 256.0)));
}
}  // namespace

SingingFont::SingingFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys, palette::KeyCopy::FirstEightPositions,
                    palette::TextColourKey::Last, palette::HoverAtBuild::Ends) {}

palette::WideSize SingingFont::AreaAround(SIZE text) {
    return {text.cx + 2LL * Amplitude(), palette::StretchedHeight(text.cy, block.maximumStretch)};
}

int SingingFont::LeftMargin() { return Amplitude(); }

void SingingFont::WriteDefaultParameters() {
    block.maximumStretch = kDefaultStretch;
    block.amplitude = 0;
    block.speed = kDefaultSpeed;
    block.stretchRatio = kDefaultRatio;
    block.useRunColours = 1;
}

void SingingFont::TakeParameters(const SingingBlock& record) {
    block.speed = record.speed;
    block.stretchRatio = record.stretchRatio;
}

void SingingFont::TakeWorkingCopies(bool) { stretchStep_ = StretchStep(block.speed, block.stretchRatio); }

bool SingingFont::WatchedFieldsDiffer(const SingingBlock& record) const {
    return record.maximumStretch != block.maximumStretch || record.amplitude != block.amplitude ||
           record.useRunColours != block.useRunColours;
}

void SingingFont::TakeWatchedFields(const SingingBlock& record) {
    block.maximumStretch = record.maximumStretch;
    block.amplitude = record.amplitude;
    block.useRunColours = record.useRunColours;
}

int SingingFont::Amplitude() { return palette::LeanAmplitude(block.amplitude, Extent().Extent().cy); }

void SingingFont::BeforeBuild() {
    leanPhase_ = stretchPhase_ = 0;
    textHeight_ = Extent().Extent().cy;
    // The block keeps the height the first surfaces were made with.
    block.amplitude = static_cast<BYTE>(Amplitude());
}

void SingingFont::SurfacesBuilt() {
    lean_.Build(Amplitude());
    const double maximum = block.maximumStretch;
    palette::FillPhaseTable(stretch_, [maximum](int i) {
        return palette::StretchFactor(std::sin(palette::PhaseAngle(i)), maximum);
    });
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height, lean_.Amplitude());
    Surface().Select(kOutput);
}

void SingingFont::Step() {
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const int stride = output.stride;
    std::memset(output.pixels, 0, static_cast<size_t>(stride) * output.height);

    leanPhase_ = static_cast<BYTE>(leanPhase_ + block.speed);
    stretchPhase_ = Hovered() ? 0 : static_cast<BYTE>(stretchPhase_ + stretchStep_);
    const double offset = lean_.Offset(leanPhase_);
    const int rows = textHeight_;
    int top = -1;
    palette::StretchRows(rows, palette::TopRow::Stretched, stretch_[stretchPhase_], output.height,
                         [&](int row, int first, int last) {
                             const int shift = palette::Lean::Shift(offset, row + 1, rows);
                             const BYTE* from = source.pixels + static_cast<ptrdiff_t>(row) * stride;
                             for (int k = first; k <= last; ++k)
                                 lean_.CopyRow(from, output.pixels + static_cast<ptrdiff_t>(k) * stride, stride, shift);
                             top = std::max(top, last);
                         });
    // The rows above the stretched text stay at entry 0.
    DrewRows({0, top});
}
