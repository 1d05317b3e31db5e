// What the stilt effects (Lanky, Stiltripple, Stiltmax) share: the text
// stretched upward from its baseline by a factor that follows a wave between
// 1 and a maximum, a drawing area as tall as the largest stretch, the run's
// colours on the first and last keys, and the mouse freezing the motion.
//
// A Block begins with the key head, holds the maximum stretch at offset 48
// and names its `speed` and `useRunColours`; a class adds its frame. The
// frames leave the rows above the stretched text at entry 0 and say so.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"
#include "effects/common/RowStretch.h"

namespace palette {

// The block of Lanky and Stiltmax.
#pragma pack(push, 1)
struct StiltBlock {
    PaletteKeyHead head;
    BYTE padding1[2];
    double maximumStretch;
    BYTE speed;  // phase advance per frame
    BYTE useRunColours;
    BYTE padding2[6];
};
#pragma pack(pop)
static_assert(sizeof(StiltBlock) == 64);
static_assert(offsetof(StiltBlock, maximumStretch) == 48);
static_assert(offsetof(StiltBlock, speed) == 56);
static_assert(offsetof(StiltBlock, useRunColours) == 57);

// The wave the stretch follows over the phase: a sine (starting half way up)
// or a cosine about phase 128 (starting unstretched).
enum class StretchWave { Sine, Cosine };

template <class Block>
class StretchEffect : public PaletteEffect<Block> {
    static_assert(offsetof(Block, maximumStretch) == 48);

protected:
    WideSize AreaAround(SIZE text) override { return {text.cx, StretchedHeight(text.cy, this->block.maximumStretch)}; }

    static constexpr int kSource = 0;
    static constexpr int kOutput = 1;
    static constexpr int kTextEntry = 255;

    StretchEffect(StretchWave wave, BYTE defaultSpeed)
        : PaletteEffect<Block>(SurfaceLayout{.surfaces = 2}, kKeys, KeyCopy::FirstEightPositions, TextColourKey::Last,
                               HoverAtBuild::Ends),
          wave_(wave), defaultSpeed_(defaultSpeed) {}

    void WriteDefaultParameters() override {
        this->block.maximumStretch = 2.0;
        this->block.speed = defaultSpeed_;
        this->block.useRunColours = 1;
    }
    void TakeParameters(const Block& record) override { this->block.speed = record.speed; }
    bool WatchedFieldsDiffer(const Block& record) const override {
        return record.maximumStretch != this->block.maximumStretch ||
               record.useRunColours != this->block.useRunColours;
    }
    void TakeWatchedFields(const Block& record) override {
        this->block.maximumStretch = record.maximumStretch;
        this->block.useRunColours = record.useRunColours;
    }

    void SurfacesBuilt() override {
        const double maximum = this->block.maximumStretch;
        FillPhaseTable(factors_, [this, maximum](int i) {
            const double wave = wave_ == StretchWave::Sine ? std::sin(PhaseAngle(i)) : std::cos(PhaseAngle(i - 128));
            return StretchFactor(wave, maximum);
        });
        TextPen(this->surfaceDC.get(), this->Text()).Draw(this->Entry(kTextEntry), this->Geometry().height);
        textTop_ = InkedRows(this->Surface().Pixels(kSource)).last;
        textHeight_ = this->Extent().Extent().cy;
        // The characters' columns, taken now so that the frames measure nothing.
        this->TakeCharacterPlaces();
        this->Surface().Select(kOutput);
    }

    // The frame's pieces.
    void ClearOutput() {
        const Plane output = this->Surface().Pixels(kOutput);
        std::memset(output.pixels, 0, static_cast<size_t>(output.stride) * output.height);
    }
    // The phase moves on unless the mouse holds it.
    void Advance() {
        if (!this->Hovered()) phase_ = static_cast<BYTE>(phase_ + this->block.speed);
    }
    BYTE Phase() const { return phase_; }
    double Factor(BYTE phase) const { return factors_[phase]; }
    // The whole text, unstretched: the source as the build drew it; its ink
    // reaches up to row TextTop().
    void CopySourceToOutput() {
        const std::span<const BYTE> source = this->Surface().Memory(kSource);
        std::memcpy(this->Surface().Pixels(kOutput).pixels, source.data(), source.size());
    }
    int TextTop() const { return textTop_; }
    int Characters() const { return this->Text().PlacedCount(); }
    // The columns of character `index`: from .. to - 1, kept within the
    // surface; none past the text.
    int BandStart(int index) const { return index < Characters() ? Column(this->Text().Place(index)) : 0; }
    int BandEnd(int index) const { return index < Characters() ? Column(this->Text().Place(index + 1)) : 0; }

    // Columns from .. to - 1 of the text, stretched by `factor` into the
    // output surface; the top row of the text cell stays out. Answers the
    // highest output row written (-1: none).
    int StretchBand(int from, int to, double factor) {
        const Plane source = this->Surface().Pixels(kSource);
        const Plane output = this->Surface().Pixels(kOutput);
        const int stride = output.stride;
        int top = -1;
        if (to <= from) return top;
        StretchRows(textHeight_, TopRow::Skipped, factor, output.height, [&](int row, int first, int last) {
            const BYTE* band = source.pixels + static_cast<ptrdiff_t>(row) * stride + from;
            for (int k = first; k <= last; ++k)
                std::memcpy(output.pixels + static_cast<ptrdiff_t>(k) * stride + from, band, to - from);
            top = std::max(top, last);
        });
        return top;
    }
    // Clears columns from .. to - 1 in every output row.
    void ClearBand(int from, int to) {
        const Plane output = this->Surface().Pixels(kOutput);
        if (to <= from) return;
        for (int row = 0; row < output.height; ++row)
            std::memset(output.pixels + static_cast<ptrdiff_t>(row) * output.stride + from, 0, to - from);
    }

private:
    static constexpr DefaultKey kKeys[] = {
        {0, RGB(0, 0, 0)}, {1, RGB(0, 0, 0)}, {254, RGB(255, 255, 255)}, {255, RGB(255, 255, 255)}};

    int Column(int place) const { return std::clamp(place, 0, this->Geometry().stride); }

    StretchWave wave_;
    BYTE defaultSpeed_;
    PhaseTable<double> factors_{};
    int textTop_ = -1;  // the highest source row with ink
    int textHeight_ = 0;
    BYTE phase_ = 0;
};

}  // namespace palette
