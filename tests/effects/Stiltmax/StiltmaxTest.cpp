#include <gtest/gtest.h>

#include <vector>

#include "effects/Stiltmax/StiltmaxFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Stiltmax = testsupport::FixedPitch<StiltmaxFont>;

// The characters whose columns differ from the still text in this frame.
std::vector<int> Moving(Stiltmax& stilt) {
    const testsupport::Picture still = stilt.Surface(0);
    const testsupport::Picture output = stilt.Surface(1);
    std::vector<int> moving;
    for (int b = 0; b < static_cast<int>(stilt.run.text.size()); ++b) {
        int from = 0, to = 0;
        stilt->GetWidth(b, &from);
        stilt->GetWidth(b + 1, &to);
        bool differs = false;
        for (int row = 0; row < still.Rows(); ++row)
            for (int x = from; x < to; ++x) differs |= still.Row(row)[x] != output.Row(row)[x];
        if (differs) moving.push_back(b);
    }
    return moving;
}

// Speed 16: the stretching character moves on at the frames whose phase is
// 240, every 16 frames (phase 0 shows it unstretched); frozen there, it
// moves on at every frame.
TEST(Stiltmax, OneCharacterStretchesAtATimeAndMovesOnWhenThePhasePasses240) {
    Stiltmax stilt(L"HHH", 60);
    for (int frame = 1; frame <= 31; ++frame) {
        stilt.Frames(1);
        const std::vector<int> stretching{frame < 15 ? 0 : frame < 31 ? 1 : 2};
        EXPECT_EQ(frame == 16 ? std::vector<int>{} : stretching, Moving(stilt)) << "frame " << frame;
    }
    stilt->MouseEnter();
    for (int expected : {0, 1, 2, 0}) {
        stilt.Frames(1);
        EXPECT_EQ(std::vector<int>{expected}, Moving(stilt)) << "frozen at phase 240";
    }
}

// The frames leave the rows above the text and its stretched character at entry 0, and say which rows they drew.
TEST(Stiltmax, FramesSayWhichRowsTheyDraw) {
    Stiltmax stilt(L"Hg雨", 40);
    EXPECT_TRUE(stilt.FramesBlankOutsideDrawnRows(1, 80));
}

}  // namespace
