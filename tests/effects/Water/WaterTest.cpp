#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "effects/Water/WaterFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Water = testsupport::FixedPitch<WaterFont>;

// Output pixels of the water's cells that differ from the text as drawn.
int Disturbed(const Water& water) {
    const testsupport::Picture source = water.Surface(0);
    const testsupport::Picture output = water.Surface(1);
    const int s = source.stride;
    int count = 0;
    for (int i = s + 1; i <= static_cast<int>(source.pixels.size()) - 2 * s - 3; ++i)
        count += source.pixels[i] != output.pixels[i];
    return count;
}

void Stir(Water& water) {
    const SIZE area = water.Area();
    for (int x = 8; x < area.cx - 8; x += 3) {
        water->OnMouseMove({x, area.cy / 2});
        water.Frames(1);
    }
}

// The mouse drops ripples only 6 pixels or more inside the surface; they
// die away to still water; the mouse leaving starts a wave along the middle
// row, in the heights the next frame makes, so it shows from the frame after.
TEST(Water, RipplesFromTheMouseDieAwayToStillWater) {
    Water water(L"水の底ABC", 30);
    water.Frames(1);
    const int stride = palette::StrideFor(water.Area().cx);
    const int height = water.Area().cy + 1;
    for (POINT edge : {POINT{5, 15}, POINT{stride - 5, 15}, POINT{20, 5}, POINT{20, height - 5}}) {
        water->OnMouseMove(edge);
        water.Frames(3);
        EXPECT_EQ(0, Disturbed(water)) << edge.x << "," << edge.y;
    }
    Stir(water);
    EXPECT_GT(Disturbed(water), 100);
    water.Frames(600);
    EXPECT_EQ(0, Disturbed(water));

    water->MouseLeave();
    water.Frames(1);
    EXPECT_EQ(0, Disturbed(water));
    water.Frames(1);
    EXPECT_GT(Disturbed(water), 20);
}

// A damping shift past 31 works as 31, and the largest drop heights make
// ripples, not overflows.
TEST(Water, OutOfRangeDampingAndDropHeightsAreBoundedAtTheirUse) {
    Water bounded(L"水の底ABC", 30);
    Water stored(L"水の底ABC", 30);
    WaterBlock block = bounded->block;
    block.damping = 31;
    bounded.Load(block);
    block.damping = 200;
    stored.Load(block);
    for (Water* water : {&bounded, &stored}) Stir(*water);
    EXPECT_EQ(bounded.Surface(1).pixels, stored.Surface(1).pixels);
    EXPECT_EQ(200, stored->block.damping) << "kept as stored";

    for (std::int32_t drop : {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()}) {
        block.dropHeight = drop;
        stored.Load(block);
        Stir(stored);
        stored.Frames(200);
        EXPECT_GT(Disturbed(stored), 0);
    }
}

}  // namespace
