// NeonFont ("Glowpaladin"): the run shines like an old neon tube. On lit
// frames the letters are drawn in the top colour and a glow spreads and fades
// around them; on dark frames only the fading glow remains. A fixed random
// flicker table against a level decides which frames are lit; under the mouse
// the level rises and the tube sputters.
#pragma once

#include <cstddef>

#include "effects/common/GlowColour.h"
#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct NeonBlock {
    palette::PaletteKeyHead head;
    BYTE decay;         // glow taken away per step
    BYTE flickerLevel;  // a frame is lit when its flicker entry is above it
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(NeonBlock) == 49);
static_assert(offsetof(NeonBlock, decay) == 46);
static_assert(offsetof(NeonBlock, flickerLevel) == 47);
static_assert(offsetof(NeonBlock, useRunColours) == 48);

class NeonFont : public palette::PaletteEffect<NeonBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Neon;

protected:
    NeonFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const NeonBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedKeysDiffer(const NeonBlock& record) const override;
    void PutRunColours() override;
    void FillModuleTables(palette::CrtRandom& random) override;
    void Step() override;

private:
    palette::GlowColour tube_;
    BYTE level_ = 0;  // the flicker level that stands now
    BYTE frame_ = 0;  // runs on across rebuilds
};
