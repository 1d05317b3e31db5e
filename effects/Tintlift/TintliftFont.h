// TintliftFont ("Tintlift"): a title effect in a repeating cycle. A pure red,
// green and blue copy of the run slide in from the left, the right and above,
// mixed by OR over the slide background, and meet in place; then the letters
// stand in the run's colour while a glow swells around them, its decay
// swinging along a cosine and then fixed; then the letters go, the glow dies
// away, and the cycle starts again. The slide runs on 24-bit surfaces with a
// monochrome mask, the glow on an 8-bit palette surface.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct TintliftBlock {
    palette::PaletteKeyHead head;
    BYTE reserved1[2];
    std::int32_t slideLength;  // frames of the slide
    std::int32_t glowLength;   // glow frames that draw the letters
    std::int32_t fadeLength;   // frames counted down from the end of the glow to the restart
    BYTE wobble;               // depth of the decay curve
    BYTE levelStep;            // advance of the decay level per glow frame
    BYTE useRunColours;
    BYTE reserved2;
};
#pragma pack(pop)
static_assert(sizeof(TintliftBlock) == 64);
static_assert(offsetof(TintliftBlock, slideLength) == 48);
static_assert(offsetof(TintliftBlock, glowLength) == 52);
static_assert(offsetof(TintliftBlock, fadeLength) == 56);
static_assert(offsetof(TintliftBlock, wobble) == 60);
static_assert(offsetof(TintliftBlock, levelStep) == 61);
static_assert(offsetof(TintliftBlock, useRunColours) == 62);

class TintliftFont : public palette::PaletteEffect<TintliftBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Tintlift;

    // The defaults show at once: new surfaces when activated.
    STDMETHODIMP SetDefault() override;

protected:
    TintliftFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const TintliftBlock& record) override;
    bool WatchedFieldsDiffer(const TintliftBlock& record) const override;
    void TakeWatchedFields(const TintliftBlock& record) override;
    bool WatchedKeysDiffer(const TintliftBlock& record) const override;
    void PutRunColours() override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    void Slide();
    // A glow or fade frame; false on the restart frame, which shows nothing new.
    bool Glow();
    BYTE NextDecay();
    void Restart();

    palette::PhaseTable<double> decays_{};
    double stepX_ = 0;
    double stepY_ = 0;
    COLORREF slideBackground_ = RGB(0, 0, 0);
    std::int32_t frame_ = 0;      // r: frames since the cycle started
    std::int32_t glowFrame_ = 0;  // g: glow and fade frames so far
    std::int32_t countdown_ = 50;
    BYTE level_ = 0;  // where the decay curve stands; kept across rebuilds
    bool glowPending_ = true;
};
