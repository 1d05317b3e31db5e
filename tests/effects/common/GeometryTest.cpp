#include <gtest/gtest.h>

#include <vector>

#include "effects/common/CharacterBand.h"
#include "effects/common/RowCopy.h"
#include "effects/common/Stamps.h"

namespace {

TEST(RowCopy, ShiftsAndRecoloursWithinTheRowWhateverTheShift) {
    const std::vector<BYTE> source{1, 2, 3, 4, 5, 6, 7, 8};
    for (int shift : {-3, 0, 2, 9, -20}) {
        std::vector<BYTE> target(8 + 4, 0xEE);  // four guard bytes after the row
        palette::CopyRowShifted(source.data(), target.data(), 8, 1, 7, shift, [](BYTE p) { return BYTE(p * 2); });
        for (int j = 0; j < 8; ++j) {
            const int from = j - shift;
            const BYTE expected = from >= 1 && from < 7 ? BYTE(source[from] * 2) : BYTE{0xEE};
            EXPECT_EQ(expected, target[j]) << "shift " << shift << " column " << j;
        }
        for (int j = 8; j < 12; ++j) EXPECT_EQ(0xEE, target[j]) << "shift " << shift;
    }
}

TEST(Stamps, StarCoversFiveColumnsOfThreeRows) {
    std::vector<BYTE> pixels(10 * 6, 0);
    const palette::Plane plane{pixels.data(), 10, 6};
    palette::StampStar(plane, 4, 2, 255);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 10; ++column) {
            const bool inside = row >= 1 && row <= 3 && column >= 2 && column <= 6;
            EXPECT_EQ(inside ? 255 : 0, pixels[row * 10 + column]) << row << "," << column;
        }
}

TEST(Stamps, TheSpotStaysStrictlyFivePixelsOffEveryEdge) {
    palette::MarginSpot spot;
    spot.Follow({20, 8}, 40, 30);
    EXPECT_TRUE(spot.valid);
    EXPECT_EQ(20, spot.column);
    EXPECT_EQ(22, spot.row) << "counted from the bottom row";
    for (POINT edge : {POINT{5, 8}, POINT{35, 8}, POINT{20, 5}, POINT{20, 25}}) {
        spot.Follow(edge, 40, 30);
        EXPECT_FALSE(spot.valid) << edge.x << "," << edge.y;
    }
    spot.Follow({5, 10}, 40, 30);
    EXPECT_EQ(20, spot.row) << "a coordinate inside its margins is still taken";
    EXPECT_EQ(20, spot.column) << "one outside them is not";
}

TEST(CharacterBand, MovesOnWhenThePhasePassesTheLastStepAndWrapsAfterTheLastCharacter) {
    palette::CharacterBand band;
    band.Advance(239, 16, 3);
    EXPECT_EQ(0, band.Index());
    band.Advance(240, 16, 3);
    EXPECT_EQ(1, band.Index());
    band.Advance(255, 16, 3);
    band.Advance(255, 16, 3);
    EXPECT_EQ(0, band.Index());
    for (int frame = 0; frame < 5; ++frame) band.Advance(250, 16, 0);
    EXPECT_EQ(0, band.Index()) << "an empty text";
}

}  // namespace
