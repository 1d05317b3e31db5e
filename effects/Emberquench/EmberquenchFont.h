// EmberquenchFont ("Emberquench!!"): the run burning. Flames rise from the
// letters and the letters flicker in fire colours; the mouse entering the run
// puts the fire out (grey letters, smoke) or, on the next entry, lights it again.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct EmberquenchBlock {
    palette::PaletteKeyHead head;
    BYTE cooling;  // subtracted from the heat at every kernel step
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(EmberquenchBlock) == 48);
static_assert(offsetof(EmberquenchBlock, cooling) == 46);
static_assert(offsetof(EmberquenchBlock, useRunColours) == 47);

class EmberquenchFont : public palette::PaletteEffect<EmberquenchBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Emberquench;

protected:
    EmberquenchFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const EmberquenchBlock& record) override;
    bool WatchedKeysDiffer(const EmberquenchBlock& record) const override;
    void PutRunColours() override;
    void FillModuleTables(palette::CrtRandom& random) override;
    void Entered() override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    BYTE phase_ = 0;  // into the module's seed table; carries over between frames
    BYTE base_ = 0;   // the floor of the heat: the fire ramp's start, or 0 when put out
    bool putOut_ = false;
};
