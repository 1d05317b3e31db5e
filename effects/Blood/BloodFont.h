// BloodFont ("Crimsurge"): still letters until the mouse enters the run; then
// drops of blood fall on it and run down in long streaks, which drain away
// when the mouse leaves. Built like the rain, in a blood colour of its own.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"
#include "effects/common/RandomPoints.h"

#pragma pack(push, 1)
struct BloodBlock {
    palette::PaletteKeyHead head;
    BYTE decay;  // subtracted at every kernel step once the mouse has left
    BYTE drops;  // drops stamped per frame while the mouse is inside
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(BloodBlock) == 49);
static_assert(offsetof(BloodBlock, decay) == 46);
static_assert(offsetof(BloodBlock, drops) == 47);
static_assert(offsetof(BloodBlock, useRunColours) == 48);

class BloodFont : public palette::PaletteEffect<BloodBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Blood;

protected:
    BloodFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const BloodBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedKeysDiffer(const BloodBlock& record) const override;
    void PutRunColours() override;
    void Entered() override { bleeding_ = true; }
    void Left() override { bleeding_ = false; }
    void BeforeBuild() override { bleeding_ = false; }
    void SurfacesBuilt() override;
    void Step() override;

private:
    palette::RandomPoints<256> points_;
    palette::KeyColour blood_{};  // the colour of the block's last key in use
    int dropIndex_ = 0;
    BYTE workingDecay_ = 0;
    bool bleeding_ = false;  // the mouse came in since the last build
    bool dropsAllowed_ = false;
};
