#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "effects/Lanky/LankyFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Lanky = testsupport::FixedPitch<LankyFont>;

// The ink stands on the bottom of the cell and is stretched from there by the
// frame's factor, which swings between 1 and the maximum (2); the mouse
// freezes it.
TEST(Lanky, TheInkStretchesUpwardFromTheBottomOfTheCellUntilTheMouseFreezesIt) {
    Lanky lanky(L"HHHH", 40);
    lanky.Frames(1);
    const auto [low, high] = lanky.Surface(0).InkRows();
    ASSERT_GT(high - low, 10);
    for (int frame = 2; frame <= 33; ++frame) {
        lanky.Frames(1);
        const double factor = (std::sin((8 * frame % 256) * 0.0245436) + 3) / 2;
        const testsupport::Picture output = lanky.Surface(1);
        EXPECT_NEAR(low * factor, output.InkRows().first, 1.0) << "frame " << frame;
        EXPECT_NEAR((high - low + 1) * factor, output.InkHeight(), 1.0) << "frame " << frame;
    }
    lanky->MouseEnter();
    lanky.Frames(1);
    const testsupport::Picture frozen = lanky.Surface(1);
    lanky.Frames(5);
    EXPECT_EQ(frozen.pixels, lanky.Surface(1).pixels);
    lanky->MouseLeave();
    lanky.Frames(1);
    EXPECT_NE(frozen.pixels, lanky.Surface(1).pixels);
}

// A stored maximum below 1 or not a number keeps its bytes but is taken as
// 1 where it is used; any larger one stands as long as its area fits a
// surface, and one too large for any is refused: the text's own extent.
TEST(Lanky, StoredMaximumsBelowOneCountAsOneAndLargeOnesStandWhileTheyFit) {
    Lanky lanky(L"HHHH", 40);
    palette::StiltBlock block = lanky->block;
    block.maximumStretch = 1.0;
    lanky.Load(block);
    const int cy = lanky.Area().cy;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto [maximum, height] :
         {std::pair{0.5, cy}, {-2.0, cy}, {nan, cy}, {1e300, cy}, {3.0, 3 * cy}, {20.0, 20 * cy}}) {
        block.maximumStretch = maximum;
        lanky.Load(block);
        EXPECT_EQ(height, lanky.Area().cy) << maximum;
        lanky.Frames(40);
        EXPECT_EQ(0, std::memcmp(&block, &lanky->block, sizeof block)) << "kept as stored";
    }
}

// The frames leave the rows above the stretched text at entry 0, and say which rows they drew.
TEST(Lanky, FramesSayWhichRowsTheyDraw) {
    Lanky lanky(L"Hg雨", 40);
    EXPECT_TRUE(lanky.FramesBlankOutsideDrawnRows(1, 80));
}

}  // namespace
