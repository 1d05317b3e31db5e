// SwayFont ("Tiltrock"): the text leans to and fro about its baseline, every
// row shifted sideways in proportion to its height. Hovering slows the sway
// and narrows it to a quarter.
#pragma once

#include <cstddef>

#include "effects/common/Lean.h"
#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct SwayBlock {
    palette::PaletteKeyHead head;
    BYTE amplitude;  // largest offset in pixels; 0 stands for the text height
    BYTE speed;      // phase advance per frame
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(SwayBlock) == 49);
static_assert(offsetof(SwayBlock, amplitude) == 46);
static_assert(offsetof(SwayBlock, speed) == 47);
static_assert(offsetof(SwayBlock, useRunColours) == 48);

class SwayFont : public palette::PaletteEffect<SwayBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Sway;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    SwayFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const SwayBlock& record) override { block.speed = record.speed; }
    bool WatchedFieldsDiffer(const SwayBlock& record) const override;
    void TakeWatchedFields(const SwayBlock& record) override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    int Amplitude();

    palette::Lean lean_;
    BYTE phase_ = 0;
};
