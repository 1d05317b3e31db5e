#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <set>
#include <vector>

#include "effects/Magic/MagicFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Magic = testsupport::HostedPalette<MagicFont>;

void SetCounts(Magic& magic, std::int32_t sparks, std::int32_t afterglow) {
    MagicBlock block = magic.Saved();
    block.sparks = sparks;
    block.afterglow = afterglow;
    ASSERT_EQ(S_OK, magic.Set(block));
}

std::set<size_t> Lit(const std::vector<BYTE>& pixels) {
    std::set<size_t> lit;
    for (size_t at = 0; at < pixels.size(); ++at)
        if (pixels[at]) lit.insert(at);
    return lit;
}

// Blanks: no letters, only sparks on a surface cleared every frame. The
// spark points come from the generator seeded with the build's second.
TEST(Magic, SparksVisitThePointsInTurnAndNeverTheLastOne) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        Magic magic(L"            ");
        SetCounts(magic, 4094, 100);
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        magic.effect->Activate();
        if (static_cast<std::uint32_t>(std::time(nullptr)) != before) continue;
        palette::CrtRandom random;
        random.Seed(before);
        palette::RandomPoints<4096> points;
        points.Fill(random, magic.Stride(), magic.area.cy + 2, 4);
        auto at = [&](int i) { return static_cast<size_t>(points.Y(i)) * magic.Stride() + points.X(i); };

        magic.Frames(1);
        std::set<size_t> expected;
        for (int i = 1; i <= 4094; ++i) expected.insert(at(i));
        EXPECT_EQ(expected, Lit(magic.Surface())) << "points 1 .. 4094";

        SetCounts(magic, 2, 100);
        magic.Frames(1);
        EXPECT_EQ((std::set<size_t>{at(0), at(1)}), Lit(magic.Surface())) << "then 0 and 1";

        SetCounts(magic, INT_MAX, 100);
        magic.Frames(1);
        expected.insert(at(0));
        EXPECT_EQ(expected, Lit(magic.Surface())) << "a huge count lights each point of the turn once";
        return;
    }
    FAIL() << "the clock kept ticking over during the build";
}

TEST(Magic, LeavingStampsTheStarWhereTheWandWasForOneFrame) {
    Magic magic(L"            ");
    SetCounts(magic, 0, 100);
    magic.effect->Activate();
    const int row = magic.area.cy - 18;
    magic.effect->OnMouseMove({20, 18});
    magic.effect->MouseEnter();
    magic.effect->MouseLeave();
    magic.Frames(1);
    const std::vector<BYTE> pixels = magic.Surface();
    // Blurred once with the countdown of 1.
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = 18; c <= 22; ++c) EXPECT_NE(0, pixels[r * magic.Stride() + c]) << r << ", " << c;
    EXPECT_GT(pixels[row * magic.Stride() + 20], 200);
    magic.Frames(1);
    EXPECT_TRUE(Lit(magic.Surface()).empty()) << "the wand is gone with the countdown";
}

// A stored afterglow far below 0 ends the countdown at once: no wrap to a
// countdown that would blur the sparkling letters away for ever.
TEST(Magic, AnAfterglowBelowZeroEndsAtOnce) {
    Magic magic(L"魔法の杖");
    SetCounts(magic, 0, INT_MIN);
    magic.effect->MouseEnter();
    magic.effect->MouseLeave();
    magic.Frames(3);
    EXPECT_GT(Lit(magic.Surface()).size(), 50u);
}

}  // namespace
