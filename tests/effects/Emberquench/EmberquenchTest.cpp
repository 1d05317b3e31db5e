#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "effects/Emberquench/EmberquenchFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Fire = testsupport::HostedPalette<EmberquenchFont>;

// Palette entry 64, the put-out letters: the middle of the grey ramp.
constexpr COLORREF kAsh = RGB(127, 127, 127);

// Whether the rows the rising kernel writes in either of its forms stand on
// the fire's floor.
bool AllBurning(const Fire& fire) {
    const std::vector<BYTE> pixels = fire.Surface();
    const int stride = fire.Stride();
    return std::all_of(pixels.begin() + 2 * stride, pixels.end() - stride, [](BYTE p) { return p >= 128; });
}

TEST(Emberquench, EachEntryPutsTheFireOutOrLightsItAgainAndABuildRelightsIt) {
    Fire fire(L"炎の文字");
    const RECT run{0, 0, fire.area.cx, fire.area.cy};
    fire.Frames(3);
    EXPECT_TRUE(AllBurning(fire));
    EXPECT_EQ(0, fire.canvas.Count(kAsh, run));

    fire.effect->MouseEnter();
    fire.Frames(1);
    EXPECT_GT(fire.canvas.Count(kAsh, run), 50) << "grey letters";
    EXPECT_FALSE(AllBurning(fire));

    fire.effect->MouseLeave();
    fire.effect->MouseEnter();
    fire.Frames(1);
    EXPECT_TRUE(AllBurning(fire)) << "burning after the second entry";
    EXPECT_EQ(0, fire.canvas.Count(kAsh, run));

    fire.effect->MouseEnter();
    fire.effect->ChangeParagraph();
    fire.Frames(1);
    EXPECT_TRUE(AllBurning(fire)) << "a build lights the fire again";
}

}  // namespace
