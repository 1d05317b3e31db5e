#include <gtest/gtest.h>

#include <cmath>

#include "effects/Singing/SingingFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Singing = testsupport::FixedPitch<SingingFont>;

double Stretch(int phase) { return (std::sin(phase % 256 * 0.0245436) + 3) / 2; }

// The stretch runs on its own beat, speed x ratio (16 a frame by default,
// twice the lean's 8); the mouse holds it at its middle while the text keeps
// leaning.
TEST(Singing, TheStretchKeepsItsOwnBeatAndTheMouseHoldsItWhileTheLeanGoesOn) {
    Singing singing(L"HHH", 30);
    singing.Frames(1);
    const auto [low, high] = singing.Surface(0).InkRows();
    const int ink = high - low + 1;
    ASSERT_GT(ink, 10);
    for (int frame = 2; frame <= 17; ++frame) {
        singing.Frames(1);
        EXPECT_NEAR(ink * Stretch(16 * frame), singing.Surface(1).InkHeight(), 1.0) << "frame " << frame;
    }

    // Ratio 0.5: 4 a frame.
    SingingBlock block = singing->block;
    block.stretchRatio = 0.5;
    ASSERT_EQ(S_OK, singing.Set(block));
    for (int frame = 1; frame <= 8; ++frame) {
        singing.Frames(1);
        EXPECT_NEAR(ink * Stretch(16 * 17 + 4 * frame), singing.Surface(1).InkHeight(), 1.0) << "ratio 0.5, " << frame;
    }

    singing->MouseEnter();
    singing.Frames(1);
    std::vector<BYTE> previous = singing.Surface(1).pixels;
    for (int frame = 0; frame < 6; ++frame) {
        singing.Frames(1);
        const testsupport::Picture output = singing.Surface(1);
        EXPECT_NEAR(ink * 1.5, output.InkHeight(), 1.0) << "held at the middle";
        EXPECT_NE(previous, output.pixels) << "still leaning";
        previous = output.pixels;
    }
}

// The frames leave the rows above the stretched text at entry 0, and say which rows they drew.
TEST(Singing, FramesSayWhichRowsTheyDraw) {
    Singing singing(L"Hg雨", 40);
    EXPECT_TRUE(singing.FramesBlankOutsideDrawnRows(1, 80));
}

}  // namespace
