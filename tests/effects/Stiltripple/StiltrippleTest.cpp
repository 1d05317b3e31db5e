#include <gtest/gtest.h>

#include <vector>

#include "effects/Stiltripple/StiltrippleFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Stiltripple = testsupport::FixedPitch<StiltrippleFont>;

// The output columns of character b, row by row.
std::vector<BYTE> Band(Stiltripple& stilt, int b) {
    int from = 0, to = 0;
    stilt->GetWidth(b, &from);
    stilt->GetWidth(b + 1, &to);
    const testsupport::Picture output = stilt.Surface(1);
    std::vector<BYTE> band;
    for (int row = 0; row < output.Rows(); ++row) band.insert(band.end(), output.Row(row) + from, output.Row(row) + to);
    return band;
}

// With a phase step equal to the speed, character b shows in each frame what
// the first character shows b frames later: the stretch travels along the text.
TEST(Stiltripple, TheStretchTravelsAlongTheCharacters) {
    Stiltripple stilt(L"HHHH", 40);
    StiltrippleBlock block = stilt->block;
    block.phaseStep = block.speed;
    ASSERT_EQ(S_OK, stilt.Set(block));
    std::vector<std::vector<std::vector<BYTE>>> frames(8);
    for (auto& bands : frames) {
        stilt.Frames(1);
        for (int b = 0; b < 4; ++b) bands.push_back(Band(stilt, b));
    }
    EXPECT_NE(frames[0][0], frames[0][1]);
    for (int frame = 0; frame + 3 < 8; ++frame)
        for (int b = 1; b < 4; ++b) EXPECT_EQ(frames[frame + b][0], frames[frame][b]) << frame << ", " << b;
}

// The frames leave the rows above the stretched characters at entry 0, and say which rows they drew.
TEST(Stiltripple, FramesSayWhichRowsTheyDraw) {
    Stiltripple ripple(L"Hg雨", 40);
    EXPECT_TRUE(ripple.FramesBlankOutsideDrawnRows(1, 80));
}

}  // namespace
