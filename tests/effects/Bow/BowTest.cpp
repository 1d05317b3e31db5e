#include <gtest/gtest.h>

#include <algorithm>

#include "effects/Bow/BowFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

constexpr int kSource = 0;
constexpr int kOutput = 1;

bool Blank(const std::vector<BYTE>& row) {
    return std::all_of(row.begin(), row.end(), [](BYTE pixel) { return pixel == 0; });
}

// With the defaults: speed 8, pivot lift 5, lean 5.
TEST(Bow, StandsStraightAtPhase64AndFoldsBelowThePivotAtPhase192) {
    testsupport::HostedPalette<BowFont> bow(L"お辞儀 BOW");
    bow.Frames(8);
    const std::vector<BYTE> source = bow.Surface(kSource);
    std::vector<BYTE> output = bow.Surface(kOutput);
    const int half = static_cast<int>(output.size()) / bow.Stride() / 2;
    const int axis = half + 5;
    int inked = 0;
    for (int row = axis + 1; row < 2 * half; ++row) {
        EXPECT_EQ(bow.Row(source, row), bow.Row(output, row)) << "upright and unshifted, row " << row;
        inked += !Blank(bow.Row(source, row));
    }
    EXPECT_GT(inked, 5);
    for (int row = 0; row < axis; ++row)
        for (BYTE pixel : bow.Row(output, row)) ASSERT_TRUE(pixel == 0 || pixel == 160) << "standing, row " << row;

    bow.Frames(16);
    output = bow.Surface(kOutput);
    for (int row = axis + 1; row < 2 * half; ++row) EXPECT_TRUE(Blank(bow.Row(output, row))) << "folded, row " << row;
}

}  // namespace
