// The swaying fire of Hueblaze and Blazewick, two modules that differ only in
// their colours and cooling. Every frame the letters are drawn at the hottest
// entry, a row of random heat is laid along the bottom, and the heat rises one
// row, averaged, cooled and shifted one column left, right or not at all by
// chance, so the flames sway; the letters are then drawn again in a random
// colour near the top of the palette. A hot block follows the pointer.
// Each object keeps its own palette: one run's settings never recolour another.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"
#include "effects/common/Stamps.h"

namespace palette {

#pragma pack(push, 1)
struct FireBlock {
    PaletteKeyHead head;
    BYTE decay;  // heat taken away per fire step
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(FireBlock) == 48);
static_assert(offsetof(FireBlock, decay) == 46);
static_assert(offsetof(FireBlock, useRunColours) == 47);

class SwayingFireEffect : public PaletteEffect<FireBlock> {
public:
    STDMETHODIMP OnMouseMove(POINT point) override;

protected:
    SwayingFireEffect(std::span<const DefaultKey> defaultKeys, BYTE defaultDecay);

    void WriteDefaultParameters() override;
    void TakeParameters(const FireBlock& record) override { block.decay = record.decay; }
    void FillModuleTables(CrtRandom& random) override;
    void BeforeBuild() override { spot_.valid = false; }
    void SurfacesBuilt() override { spotAllowed_ = RoomForPoints(); }
    void Step() override;

private:
    BYTE defaultDecay_;
    MarginSpot spot_;
    bool spotAllowed_ = false;
    BYTE seedIndex_ = 0;  // runs on for the object's life
};

}  // namespace palette
