// ShiverFont ("Shiver"): the run trembles. Every frame it is drawn at a small
// random offset inside a margin around its place, and a glow step blurs and
// fades what was drawn before, so the trembling letters leave glowing
// after-images. Hovering widens the tremble.
#pragma once

#include <cstddef>
#include <cstdint>

#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct ShiverBlock {
    palette::PaletteKeyHead head;
    BYTE reserved1[2];
    std::int32_t horizontalRange;   // possible horizontal offsets at rest
    std::int32_t verticalRange;     // possible vertical offsets at rest
    std::int32_t horizontalMargin;  // pixels added left and right of the text
    std::int32_t verticalMargin;    // pixels added above and below it
    BYTE decay;                     // glow taken away per step
    BYTE useRunColours;
    BYTE reserved2[2];
};
#pragma pack(pop)
static_assert(sizeof(ShiverBlock) == 68);
static_assert(offsetof(ShiverBlock, horizontalRange) == 48);
static_assert(offsetof(ShiverBlock, verticalRange) == 52);
static_assert(offsetof(ShiverBlock, horizontalMargin) == 56);
static_assert(offsetof(ShiverBlock, verticalMargin) == 60);
static_assert(offsetof(ShiverBlock, decay) == 64);
static_assert(offsetof(ShiverBlock, useRunColours) == 65);

class ShiverFont : public palette::PaletteEffect<ShiverBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Shiver;

protected:
    palette::WideSize AreaAround(SIZE text) override;
    int LeftMargin() override;
    ShiverFont();

    void WriteDefaultParameters() override;
    void TakeParameters(const ShiverBlock& record) override;
    void TakeWorkingCopies(bool hovered) override;
    bool WatchedFieldsDiffer(const ShiverBlock& record) const override;
    void TakeWatchedFields(const ShiverBlock& record) override;
    void SurfacesBuilt() override;
    void Step() override;

private:
    // The margins as the geometry uses them: never negative.
    int HorizontalMargin() const;
    int VerticalMargin() const;

    // The ranges that stand now; divisors, so at least 1.
    int horizontalRange_ = 1;
    int verticalRange_ = 1;
};
