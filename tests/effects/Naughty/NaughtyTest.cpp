#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "effects/Naughty/NaughtyFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Naughty = testsupport::HostedPalette<NaughtyFont>;
constexpr int kCharacters = 8;

// The lowest and highest inked rows in each character's own columns: one
// pair for all when they stand in line.
std::set<std::pair<int, int>> InkedRows(const Naughty& naughty) {
    const std::vector<BYTE> surface = naughty.Surface();
    const int rows = static_cast<int>(surface.size()) / naughty.Stride();
    std::set<std::pair<int, int>> found;
    for (int i = 0; i < kCharacters; ++i) {
        int left = 0;
        int right = 0;
        naughty.effect->GetWidth(i, &left);
        naughty.effect->GetWidth(i + 1, &right);
        std::pair<int, int> inked{-1, -1};
        for (int row = 0; row < rows; ++row)
            for (int column = left + 2; column < right - 2; ++column)
                if (surface[row * naughty.Stride() + column]) {
                    if (inked.first < 0) inked.first = row;
                    inked.second = row;
                }
        found.insert(inked);
    }
    return found;
}

TEST(Naughty, LettersStandInLineAndStillUnderTheMouseAndJumpAboutOtherwise) {
    Naughty naughty(L"HHHHHHHH");
    naughty.Frames(1);  // built: a build ends a hover
    naughty.effect->MouseEnter();
    naughty.Frames(1);
    const std::vector<BYTE> lined = naughty.Surface();
    EXPECT_EQ(1u, InkedRows(naughty).size());
    naughty.Frames(5);
    EXPECT_EQ(lined, naughty.Surface());

    naughty.effect->MouseLeave();
    for (int frame = 0; frame < 2; ++frame) {
        naughty.Frames(1);
        EXPECT_GT(InkedRows(naughty).size(), 1u) << "frame " << frame;
    }
}

// Each range widens the area on both sides and moves the letters' places by
// itself, however large; a negative one counts as none.
TEST(Naughty, RangesWidenTheAreaOnBothSides) {
    Naughty naughty(L"HHHHHHHH");
    NaughtyBlock block = naughty.Saved();
    block.across = block.down = 0;
    ASSERT_EQ(S_OK, naughty.Set(block));
    SIZE text{};
    naughty.effect->GetDrawingArea(&text);
    for (auto [across, down] : {std::pair{10, 10}, {2000, 3}, {-5, 1500}}) {
        block.across = across;
        block.down = down;
        ASSERT_EQ(S_OK, naughty.Set(block));
        SIZE area{};
        naughty.effect->GetDrawingArea(&area);
        EXPECT_EQ(text.cx + 2 * std::max(across, 0), area.cx) << across;
        EXPECT_EQ(text.cy + 2 * down, area.cy) << down;
        int left = -1;
        naughty.effect->GetWidth(0, &left);
        EXPECT_EQ(std::max(across, 0), left) << across;
    }
}

// The frames leave the rows of the margins the letters do not reach at entry 0, and say which rows they drew.
TEST(Naughty, FramesSayWhichRowsTheyDraw) {
    Naughty naughty(L"Hg雨", 40);
    EXPECT_TRUE(naughty.FramesBlankOutsideDrawnRows(0, 80));
}

}  // namespace
