// WaterFont ("Water"): the text lies under a water surface. The mouse drops
// ripples into it, every output pixel is taken from the text displaced by
// the local slope of the water, and the mouse leaving starts a wave along
// the middle row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "effects/common/PaletteEffect.h"
#include "effects/common/Stamps.h"

#pragma pack(push, 1)
struct WaterBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    std::int32_t dropHeight;    // value the mouse stamps into the water
    std::int32_t dropDuration;  // frames a stamp goes on after the last mouse move
    BYTE damping;               // shift of the damping
    BYTE useRunColours;
    BYTE padding2[2];
};
#pragma pack(pop)
static_assert(sizeof(WaterBlock) == 60);
static_assert(offsetof(WaterBlock, dropHeight) == 48);
static_assert(offsetof(WaterBlock, dropDuration) == 52);
static_assert(offsetof(WaterBlock, damping) == 56);
static_assert(offsetof(WaterBlock, useRunColours) == 57);

class WaterFont : public palette::PaletteEffect<WaterBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Water;

    STDMETHODIMP OnMouseMove(POINT point) override;

protected:
    WaterFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const WaterBlock& record) override;
    void Left() override;
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void ReleaseTextBitmap() override;
    void Step() override;

private:
    bool HasWater() const { return heights_[0] && heights_[1]; }
    std::int32_t* Present() const { return heights_[current_].get(); }
    std::int32_t* Previous() const { return heights_[1 - current_].get(); }
    void Drop();
    bool Ripple();

    // The present and the previous heights; `current_` names the present one.
    std::unique_ptr<std::int32_t[]> heights_[2];
    int current_ = 1;
    palette::MarginSpot mouse_;
    bool dropping_ = false;
    bool still_ = false;  // flat water, and the output shows it
    std::int64_t dropFrames_ = 0;  // frames of the present drop
};
