// BowFont ("Bow"): the part of the text above a pivot row bows forward and
// straightens again over the dimmed part below it, changing shade as it
// turns. Hovering doubles the speed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct BowBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    std::int32_t pivotLift;  // rows from the middle row up to the pivot
    std::int32_t lean;       // widest sideways shift, and the extra width of the area
    BYTE speed;              // phase advance per frame
    BYTE useRunColours;
    BYTE padding2[2];
};
#pragma pack(pop)
static_assert(sizeof(BowBlock) == 60);
static_assert(offsetof(BowBlock, pivotLift) == 48);
static_assert(offsetof(BowBlock, lean) == 52);
static_assert(offsetof(BowBlock, speed) == 56);
static_assert(offsetof(BowBlock, useRunColours) == 57);

class BowFont : public palette::PaletteEffect<BowBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Bow;


protected:
    palette::WideSize AreaAround(SIZE text) override;
    BowFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const BowBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedKeysDiffer(const BowBlock& record) const override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    // Lays the source's letters above the pivot over the output, turned and leaning.
    void Fold(int half, int pivot);

    BYTE phase_ = 0;
    BYTE speed_ = 0;
};
