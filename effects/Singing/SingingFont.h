// SingingFont ("Chorustide"): the text leans to and fro about its baseline
// and at the same time stretches upward from it, the two motions on beats of
// their own. Hovering holds the stretch in its middle while the lean goes on.
#pragma once

#include <cstddef>

#include "effects/common/Lean.h"
#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct SingingBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    double maximumStretch;
    BYTE amplitude;  // lean in pixels; 0 stands for the text height
    BYTE speed;      // lean phase advance per frame
    BYTE padding2[6];
    double stretchRatio;  // the stretch phase advances by speed x ratio
    BYTE useRunColours;
    BYTE padding3[7];
};
#pragma pack(pop)
static_assert(sizeof(SingingBlock) == 80);
static_assert(offsetof(SingingBlock, maximumStretch) == 48);
static_assert(offsetof(SingingBlock, amplitude) == 56);
static_assert(offsetof(SingingBlock, speed) == 57);
static_assert(offsetof(SingingBlock, stretchRatio) == 64);
static_assert(offsetof(SingingBlock, useRunColours) == 72);

class SingingFont : public palette::PaletteEffect<SingingBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Singing;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    SingingFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const SingingBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedFieldsDiffer(const SingingBlock& record) const override;
    void TakeWatchedFields(const SingingBlock& record) override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    int Amplitude();

    palette::Lean lean_;
    palette::PhaseTable<double> stretch_{};
    int textHeight_ = 0;
    BYTE leanPhase_ = 0;
    BYTE stretchPhase_ = 0;
    BYTE stretchStep_ = 0;  // the stretch phase's advance per frame
};
