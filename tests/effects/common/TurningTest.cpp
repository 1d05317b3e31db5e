#include <gtest/gtest.h>

#include <cmath>

#include "effects/common/Turning.h"

namespace {

using palette::MiddleLineRow;

TEST(Turning, RowsTurnAboutTheMiddleLineAndNeverLeaveTheSurface) {
    for (int rows : {1, 2, 9, 36})
        for (int phase = 0; phase < 256; ++phase)
            for (int i = 1; i <= rows; ++i)
                for (double turn : {palette::SineTable()[phase], palette::CosineTable()[phase], 1.0, -1.0}) {
                    const int row = MiddleLineRow(rows, i, turn);
                    ASSERT_TRUE(row >= 0 && row < rows) << rows << " rows, row " << i << ", turn " << turn;
                }

    const int rows = 10;
    for (int i = 1; i <= rows; ++i) {
        // Facing front the turn is just below 1: the lower half moves up one row.
        EXPECT_EQ(i <= rows / 2 ? i : i - 1, MiddleLineRow(rows, i, palette::SineTable()[64])) << i;
        EXPECT_EQ(rows / 2, MiddleLineRow(rows, i, palette::SineTable()[0])) << "edge-on, row " << i;
    }
    EXPECT_EQ(8, MiddleLineRow(rows, 1, palette::SineTable()[192])) << "upside down";
    EXPECT_EQ(0, MiddleLineRow(rows, rows, palette::SineTable()[192])) << "upside down";
}

TEST(Turning, ShadesRunFromTheBackgroundToTheTextEntryAndWrapTheirIndex) {
    EXPECT_EQ(255, palette::FacingShade(64, 1.0)) << "facing front, never 256";
    EXPECT_EQ(0, palette::FacingShade(0, 1.0)) << "edge-on";
    EXPECT_EQ(51, palette::FacingShade(160, 0.4)) << "dimmed before truncation";
    // 2 * 16 - 64 is negative: its low byte, 224, is the index.
    EXPECT_EQ(static_cast<int>((std::sin(224 * palette::kPhaseStep) + 1) * 128), palette::FacingShade(16, 1.0));
}

}  // namespace
