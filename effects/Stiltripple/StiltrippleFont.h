// StiltrippleFont ("Stiltripple"): every character stretched upward from the
// baseline with a phase that moves on from character to character, so a
// stretch wave travels along the text. The mouse freezes it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/StretchEffect.h"

#pragma pack(push, 1)
struct StiltrippleBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    double maximumStretch;
    std::int32_t phaseStep;  // phase difference from one character to the next
    BYTE speed;              // phase advance per frame
    BYTE useRunColours;
    BYTE padding2[2];
};
#pragma pack(pop)
static_assert(sizeof(StiltrippleBlock) == 64);
static_assert(offsetof(StiltrippleBlock, maximumStretch) == 48);
static_assert(offsetof(StiltrippleBlock, phaseStep) == 56);
static_assert(offsetof(StiltrippleBlock, speed) == 60);
static_assert(offsetof(StiltrippleBlock, useRunColours) == 61);

class StiltrippleFont : public palette::StretchEffect<StiltrippleBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Stiltripple;

protected:
    StiltrippleFont() : StretchEffect(palette::StretchWave::Sine, 16) {}

    void WriteDefaultParameters() override;
    void TakeParameters(const StiltrippleBlock& record) override;
    void Step() override;
};
