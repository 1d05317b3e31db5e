// RainFont ("Pluvane"): the run in the rain. Drops splash at random points and
// run down in streaks, the letters drip, and while the mouse is over the run
// the streaks grow long.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"
#include "effects/common/RandomPoints.h"
#include "effects/common/Stamps.h"

#pragma pack(push, 1)
struct RainBlock {
    palette::PaletteKeyHead head;
    BYTE decay;          // subtracted at every kernel step
    BYTE drops;          // drops stamped per frame
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(RainBlock) == 49);
static_assert(offsetof(RainBlock, decay) == 46);
static_assert(offsetof(RainBlock, drops) == 47);
static_assert(offsetof(RainBlock, useRunColours) == 48);

class RainFont : public palette::PaletteEffect<RainBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Rain;

protected:
    RainFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const RainBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    void StampDrops(const palette::Plane& plane);

    palette::RandomPoints<256> points_;
    BYTE dropIndex_ = 0;
    BYTE workingDecay_ = 0;
    bool dropsAllowed_ = false;
};
