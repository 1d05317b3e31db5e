#include <gtest/gtest.h>

#include <algorithm>

#include "effects/Tumblar/TumblarFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

constexpr int kOutput = 1;

TEST(Tumblar, HoveredTextStandsStillFacingFrontInTheTextColour) {
    testsupport::HostedPalette<TumblarFont> tumblar(L"回る文字 Orbit");
    tumblar.Frames(3);
    tumblar.effect->MouseEnter();
    tumblar.Frames(1);
    const std::vector<BYTE> front = tumblar.Surface(kOutput);
    EXPECT_GT(std::count(front.begin(), front.end(), 255), 100);
    EXPECT_TRUE(std::all_of(front.begin(), front.end(), [](BYTE pixel) { return pixel == 0 || pixel == 255; }));
    tumblar.Frames(10);
    EXPECT_EQ(front, tumblar.Surface(kOutput));

    tumblar.effect->MouseLeave();
    tumblar.Frames(1);
    EXPECT_NE(front, tumblar.Surface(kOutput)) << "the turn goes on";
}

// The frames leave the rows above and below the turned text at entry 0, and say which rows they drew.
TEST(Tumblar, FramesSayWhichRowsTheyDraw) {
    testsupport::HostedPalette<TumblarFont> tumblar(L"Hg雨", 40);
    EXPECT_TRUE(tumblar.FramesBlankOutsideDrawnRows(1, 80));
}

}  // namespace
