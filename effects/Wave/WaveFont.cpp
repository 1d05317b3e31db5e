#include "effects/Wave/WaveFont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "effects/common/RowCopy.h"

namespace {
constexpr std::int32_t kDefaultAmplitude = 4;
constexpr BYTE kDefaultSpeed = 8;
constexpr BYTE kDefaultRowStep = 20;
constexpr int kTextEntry = 255;
constexpr int kSource = 0;
constexpr int kOutput = 1;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {1, RGB(0, 0, 0)}, {160, RGB(0, 0, 255)}, {255, RGB(0, 255, 255)}};
}  // namespace

WaveFont::WaveFont()
    : PaletteEffect(palette::SurfaceLayout{.surfaces = 2}, kDefaultKeys, palette::KeyCopy::FirstEightPositions) {}

int WaveFont::Amplitude() const { return std::max(block.amplitude, 1); }

palette::WideSize WaveFont::AreaAround(SIZE text) { return {text.cx + 2LL * Amplitude(), text.cy}; }

int WaveFont::LeftMargin() { return Amplitude(); }

void WaveFont::WriteDefaultParameters() {
    block.amplitude = kDefaultAmplitude;
    block.speed = kDefaultSpeed;
    block.rowStep = kDefaultRowStep;
    block.useRunColours = 1;
}

void WaveFont::TakeParameters(const WaveBlock& record) {
    block.speed = record.speed;
    block.rowStep = record.rowStep;
}

void WaveFont::TakeWorkingCopies(bool hovered) {
    rowStep_ = hovered ? std::max(block.rowStep >> 1, 1) : block.rowStep;
}

bool WaveFont::WatchedFieldsDiffer(const WaveBlock& record) const {
    return record.amplitude != block.amplitude || record.useRunColours != block.useRunColours;
}

void WaveFont::TakeWatchedFields(const WaveBlock& record) {
    block.amplitude = record.amplitude;
    block.useRunColours = record.useRunColours;
}

void WaveFont::SurfacesBuilt() {
    builtAmplitude_ = Amplitude();
    palette::FillPhaseTable(wave_, [this](int i) { return std::sin(palette::PhaseAngle(i)) * builtAmplitude_; });
    palette::TextPen(surfaceDC.get(), Text()).Draw(Entry(kTextEntry), Geometry().height, builtAmplitude_);
    Surface().Select(kOutput);
}

void WaveFont::Step() {
    phase_ = static_cast<BYTE>(phase_ + block.speed);
    const palette::Plane source = Surface().Pixels(kSource);
    const palette::Plane output = Surface().Pixels(kOutput);
    const int stride = output.stride;
    std::memset(output.pixels, 0, static_cast<size_t>(stride) * output.height);
    const int amplitude = builtAmplitude_;
    for (int row = 0; row < Geometry().cy; ++row) {
        const BYTE t = static_cast<BYTE>(rowStep_ * (row + 1) + phase_);
        const int shift = static_cast<int>(wave_[t]);
        const int shade = shift * 50 / amplitude + 60;
        palette::CopyRowShifted(source.pixels + row * stride, output.pixels + row * stride, stride, amplitude,
                                stride - amplitude, shift,
                                [shade](BYTE pixel) { return static_cast<BYTE>(shade * pixel); });
    }
}
