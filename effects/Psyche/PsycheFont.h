// PsycheFont ("Psychedelic"): behind the run a rainbow plasma moves, the sum
// of a horizontal sine wave travelling sideways and a vertical one whose
// phase jumps from frame to frame; the letters are cut out of it in entry 0,
// black or the run's background. Hovering doubles the sideways speed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct PsycheBlock {
    palette::PaletteKeyHead head;
    BYTE reserved1[2];
    std::int32_t speed;      // columns the horizontal wave moves per frame
    std::int32_t amplitude;  // of the vertical phase jump
    BYTE useRunColours;
    BYTE reserved2[3];
};
#pragma pack(pop)
static_assert(sizeof(PsycheBlock) == 60);
static_assert(offsetof(PsycheBlock, speed) == 48);
static_assert(offsetof(PsycheBlock, amplitude) == 52);
static_assert(offsetof(PsycheBlock, useRunColours) == 56);

class PsycheFont : public palette::PaletteEffect<PsycheBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Psyche;

protected:
    PsycheFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const PsycheBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedKeysDiffer(const PsycheBlock& record) const override;
    void FillModuleTables(palette::CrtRandom& random) override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    // Only the low byte of the sideways speed moves the wave.
    BYTE speed_ = 0;
    BYTE frame_ = 0;                          // runs on across rebuilds
    palette::PhaseTable<BYTE> plasma_{};      // 3 .. 125
    std::vector<BYTE> columns_;               // the horizontal wave of the frame, one entry per column
};
