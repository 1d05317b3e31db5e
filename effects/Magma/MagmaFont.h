// MagmaFont ("Magma"): the run glowing like molten rock. Hot spots flare up
// at random points and melt into a glow spreading over the letters; while the
// mouse is over the run the spots double and the glow stops fading.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"
#include "effects/common/RandomPoints.h"

#pragma pack(push, 1)
struct MagmaBlock {
    palette::PaletteKeyHead head;
    BYTE decay;  // subtracted at every blur step
    BYTE reserved1;
    std::int32_t spots;  // hot spots stamped per frame
    BYTE useRunColours;
    BYTE reserved2[3];
};
#pragma pack(pop)
static_assert(sizeof(MagmaBlock) == 56);
static_assert(offsetof(MagmaBlock, decay) == 46);
static_assert(offsetof(MagmaBlock, spots) == 48);
static_assert(offsetof(MagmaBlock, useRunColours) == 52);

class MagmaFont : public palette::PaletteEffect<MagmaBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Magma;

protected:
    MagmaFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const MagmaBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedKeysDiffer(const MagmaBlock& record) const override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    palette::RandomPoints<256> points_;
    int spotIndex_ = 0;
    // Twice a stored count of any size while hovered: wider than the field.
    std::int64_t workingSpots_ = 0;
    BYTE workingDecay_ = 0;
    bool spotsAllowed_ = false;
};
