// GhostglassFont ("Ghostglass"): still text under an unseen lens that sweeps
// to and fro; inside the lens the letters are redrawn by a radial mapping, so
// the lens shows only by what it does to them. The mouse can hold it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/Ghostglass/Lens.h"
#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct GhostglassBlock {
    palette::PaletteKeyHead head;
    BYTE reserved1[2];
    std::int32_t step;  // pixels the lens moves per frame
    BYTE exponent;      // power of the radial mapping
    BYTE useRunColours;
    BYTE reserved2[2];
};
#pragma pack(pop)
static_assert(sizeof(GhostglassBlock) == 56);
static_assert(offsetof(GhostglassBlock, step) == 48);
static_assert(offsetof(GhostglassBlock, exponent) == 52);
static_assert(offsetof(GhostglassBlock, useRunColours) == 53);

class GhostglassFont : public palette::PaletteEffect<GhostglassBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Ghostglass;

    STDMETHODIMP OnMouseMove(POINT point) override;

protected:
    GhostglassFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const GhostglassBlock& record) override;
    void Left() override { held_ = false; }
    void BeforeBuild() override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    void Refract(const palette::Plane& source, const palette::Plane& output) const;

    ghostglass::LensSweep lens_;
    ghostglass::LensMap map_;
    bool held_ = false;
    bool enabled_ = false;
};
