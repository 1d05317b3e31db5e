// FocusFont ("Pulsequake"): the run, in its own colour, sits in a glow that
// beats like a heart: the glow's decay follows a sine wave, so the halo
// swells while the decay is low and shrinks while it is high. Under the mouse
// the beat stops where the decay is least and the glow grows to its fullest.
#pragma once

#include <cstddef>

#include "effects/common/GlowColour.h"
#include "effects/common/PaletteEffect.h"
#include "effects/common/PhaseTable.h"

#pragma pack(push, 1)
struct FocusBlock {
    palette::PaletteKeyHead head;
    BYTE depth;  // the decay swings between 0 and twice this
    BYTE speed;  // beat phase advance per frame
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(FocusBlock) == 49);
static_assert(offsetof(FocusBlock, depth) == 46);
static_assert(offsetof(FocusBlock, speed) == 47);
static_assert(offsetof(FocusBlock, useRunColours) == 48);

class FocusFont : public palette::PaletteEffect<FocusBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Focus;

protected:
    FocusFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const FocusBlock& record) override { block.speed = record.speed; }
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedFieldsDiffer(const FocusBlock& record) const override;
    void TakeWatchedFields(const FocusBlock& record) override;
    bool WatchedKeysDiffer(const FocusBlock& record) const override;
    void PutRunColours() override;
    void Entered() override { pinned_ = true; }
    void Left() override { pinned_ = false; }
    void BeforeBuild() override { pinned_ = false; }
    void SurfacesBuilt() override;
    void Step() override;

private:
    palette::GlowColour halo_;
    palette::PhaseTable<double> beat_{};  // the decay at each phase
    BYTE phase_ = 0;                      // runs on across rebuilds
    bool pinned_ = false;
};
