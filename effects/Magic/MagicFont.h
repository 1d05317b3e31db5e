// MagicFont ("Glimmerwand"): the run twinkling. The letters sparkle in
// changing rainbow colours and sparks flash around them; while the mouse is
// over the run the letters stand solid and a glow spreads from them and the
// sparks; when it leaves the glow is wiped away and a star is stamped where
// the mouse, the wand, last was.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"
#include "effects/common/RandomPoints.h"
#include "effects/common/Stamps.h"

#pragma pack(push, 1)
struct MagicBlock {
    palette::PaletteKeyHead head;
    BYTE reserved1[2];
    std::int32_t sparks;     // sparks per frame
    std::int32_t afterglow;  // the countdown set when the mouse leaves
    BYTE spare;              // saved, loaded and edited; the frame does not use it
    BYTE useRunColours;
    BYTE reserved2[2];
};
#pragma pack(pop)
static_assert(sizeof(MagicBlock) == 60);
static_assert(offsetof(MagicBlock, sparks) == 48);
static_assert(offsetof(MagicBlock, afterglow) == 52);
static_assert(offsetof(MagicBlock, spare) == 56);
static_assert(offsetof(MagicBlock, useRunColours) == 57);

class MagicFont : public palette::PaletteEffect<MagicBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Magic;

    STDMETHODIMP OnMouseMove(POINT point) override;

protected:
    MagicFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const MagicBlock& record) override;
    void FillModuleTables(palette::CrtRandom& random) override;
    void Entered() override { inside_ = true; }
    void Left() override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    void Sparkle(const palette::Plane& plane);
    void Spark(const palette::Plane& plane);
    // Counts the afterglow down by one frame; the wand goes when it runs out.
    void CountDown();

    palette::RandomPoints<4096> points_;
    palette::MarginSpot wand_;
    int pointIndex_ = 0;
    std::int32_t countdown_ = 0;
    BYTE colourIndex_ = 0;  // into the module's sparkle table; carries over between frames
    bool inside_ = false;
    bool sparksAllowed_ = false;
};
