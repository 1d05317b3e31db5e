// TearsFont ("Weepcount"): the run weeping. Every pixel of the letters sheds
// drops of random brightness that run down and fade, while the letters pulse
// through the palette on a sine wave.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct TearsBlock {
    palette::PaletteKeyHead head;
    BYTE decay;      // subtracted at every kernel step
    BYTE speed;      // added to the pulse phase per frame
    BYTE amplitude;  // swing of the pulse in palette entries
    BYTE base;       // centre of the pulse
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(TearsBlock) == 51);
static_assert(offsetof(TearsBlock, decay) == 46);
static_assert(offsetof(TearsBlock, speed) == 47);
static_assert(offsetof(TearsBlock, amplitude) == 48);
static_assert(offsetof(TearsBlock, base) == 49);
static_assert(offsetof(TearsBlock, useRunColours) == 50);

class TearsFont : public palette::PaletteEffect<TearsBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Tears;

    // The palette entry the letters take at a phase: the low byte of the
    // pulse, which wraps across the palette where it leaves 0..255.
    static BYTE PulseEntry(BYTE amplitude, BYTE base, BYTE phase);

protected:
    TearsFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const TearsBlock& record) override;
    void FillModuleTables(palette::CrtRandom& random) override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    // Both carry over across frames and builds.
    BYTE tearIndex_ = 0;  // into the module's tear table
    BYTE phase_ = 0;
};
