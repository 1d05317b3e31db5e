#include <gtest/gtest.h>

#include <algorithm>

#include "effects/Bow/BowFont.h"
#include "tests/effects/common/Hosting.h"

namespace {

constexpr int kSource = 0;
constexpr int kOutput = 1;

// With the defaults: speed 8, pivot lift 5, lean 5.
TEST(Bow, StandsStraightAtPhase64AndFoldsBelowThePivotAtPhase192) {
    effecttest::Hosted<BowFont> bow(L"お辞儀 BOW", 36);
    bow.Frames(8);
    const effecttest::Picture source = bow.Surface(kSource);
    effecttest::Picture output = bow.Surface(kOutput);
    const int half = output.Rows() / 2;
    const int axis = half + 5;
    int inked = 0;
    for (int row = axis + 1; row < 2 * half; ++row) {
        EXPECT_TRUE(std::equal(source.Row(row), source.Row(row) + source.stride, output.Row(row)))
            << "upright and unshifted, row " << row;
        inked += source.RowHasInk(row);
    }
    EXPECT_GT(inked, 5);
    for (int row = 0; row < axis; ++row)
        for (int column = 0; column < output.stride; ++column)
            ASSERT_TRUE(output.Row(row)[column] == 0 || output.Row(row)[column] == 160) << "standing, row " << row;

    bow.Frames(16);
    output = bow.Surface(kOutput);
    for (int row = axis + 1; row < 2 * half; ++row) EXPECT_FALSE(output.RowHasInk(row)) << "folded, row " << row;
}

}  // namespace
