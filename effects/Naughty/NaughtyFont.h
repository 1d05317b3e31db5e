// NaughtyFont ("Imprascals"): every frame each character jumps to a random
// place near its own; while the mouse is over the run they stand in line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "effects/common/GlyphStamps.h"
#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct NaughtyBlock {
    palette::PaletteKeyHead head;
    BYTE padding1[2];
    std::int32_t across;  // horizontal range in pixels
    std::int32_t down;    // vertical range in pixels
    BYTE useRunColours;
    BYTE padding2[3];
};
#pragma pack(pop)
static_assert(sizeof(NaughtyBlock) == 60);
static_assert(offsetof(NaughtyBlock, across) == 48);
static_assert(offsetof(NaughtyBlock, down) == 52);
static_assert(offsetof(NaughtyBlock, useRunColours) == 56);

class NaughtyFont : public palette::PaletteEffect<NaughtyBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Naughty;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    NaughtyFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const NaughtyBlock&) override {}
    bool WatchedFieldsDiffer(const NaughtyBlock& record) const override;
    void TakeWatchedFields(const NaughtyBlock& record) override;
    bool WatchedKeysDiffer(const NaughtyBlock& record) const override;
    void SurfacesBuilt() override;
    void ReleaseTextBitmap() override;
    void Step() override;

private:
    // Where the mouse lines the letters up: their baseline's row in the
    // surface's context.
    POINT Lined() const;

    // The letters as the run's font draws them, captured at the first frame
    // and stamped from then on, each moved as it jumps.
    palette::GlyphStamps stamps_;
    std::vector<POINT> references_;
    std::vector<POINT> offsets_;  // this frame's, one per letter
    bool upright_ = false;  // the run's font: stamps serve it
};
