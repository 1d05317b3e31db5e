#include <gtest/gtest.h>

#include "effects/Shiver/ShiverFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Shiver = testsupport::HostedPalette<ShiverFont>;

void SetMargins(Shiver& hosted, std::int32_t horizontal, std::int32_t vertical) {
    ShiverBlock block = hosted.Saved();
    block.horizontalMargin = horizontal;
    block.verticalMargin = vertical;
    ASSERT_EQ(S_OK, hosted.Set(block));
}

SIZE Area(const Shiver& hosted) {
    SIZE area{};
    hosted.effect->GetDrawingArea(&area);
    return area;
}

int Width(const Shiver& hosted, int n) {
    int width = -1;
    hosted.effect->GetWidth(n, &width);
    return width;
}

TEST(Shiver, MarginsWidenTheDrawingAreaOnBothSidesAndTheWidthsOnTheLeft) {
    Shiver text(L"震える文字"), shivering(L"震える文字");
    SetMargins(text, 0, 0);
    const SIZE plain = Area(text);
    ASSERT_GT(plain.cx, 0);
    EXPECT_EQ(plain.cx + 16, Area(shivering).cx) << "8 on either side by default";
    EXPECT_EQ(plain.cy + 10, Area(shivering).cy) << "5 above and below";
    for (int n = 0; n <= 5; ++n) EXPECT_EQ(Width(text, n) + 8, Width(shivering, n)) << n;

    // Margins are never negative; large ones widen the area as they are.
    SetMargins(shivering, -3, 2000);
    EXPECT_EQ(plain.cx, Area(shivering).cx);
    EXPECT_EQ(plain.cy + 4000, Area(shivering).cy);
    EXPECT_EQ(Width(text, 3), Width(shivering, 3));
    SetMargins(shivering, 2000, 5);
    EXPECT_EQ(plain.cx + 4000, Area(shivering).cx);
    EXPECT_EQ(Width(text, 3) + 2000, Width(shivering, 3));
}

}  // namespace
