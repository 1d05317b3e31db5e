#include <gtest/gtest.h>

#include "comkit/ComPtr.h"
#include "effects/Singing/SingingFont.h"
#include "effects/Sway/SwayFont.h"
#include "effects/static/StaticFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "textrun/FontManager.h"

namespace {

// The run's plain text as the Static effect measures it.
struct PlainText {
    explicit PlainText(testsupport::TestRun& run) : effect(new StaticFont) {
        testsupport::Bind(effect.get(), &fonts, &run);
        effect->GetDrawingArea(&extent);
    }
    int Width(int n) const {
        int width = 0;
        effect->GetWidth(n, &width);
        return width;
    }
    textrun::FontManager fonts;
    comkit::ComPtr<IViviFont> effect;
    SIZE extent{};
};

// A run bound at the control's first size (36 pixels) whose area is asked
// at once, then given its page's size (12 pixels), leans by the height it
// has when it is first drawn, which the block then keeps.
template <class Font>
void ExpectTheMarginToFollowTheHeightUntilTheFirstBuild(const char* name) {
    testsupport::HostedPalette<Font> hosted(L"Lean", 36);  // binds and asks the area
    const LONG tall = PlainText(hosted.run).extent.cy;
    EXPECT_EQ(PlainText(hosted.run).extent.cx + 2 * tall, hosted.area.cx) << name;
    EXPECT_EQ(0, hosted.effect->block.amplitude) << name << ": asking does not write";

    hosted.run.font.lfHeight = -12;
    hosted.effect->ChangeParagraph();
    const PlainText small(hosted.run);
    const LONG height = small.extent.cy;
    ASSERT_LT(height, tall);
    SIZE area{};
    hosted.effect->GetDrawingArea(&area);
    EXPECT_EQ(small.extent.cx + 2 * height, area.cx) << name;
    for (int n : {0, 2, 4}) {
        int width = 0;
        hosted.effect->GetWidth(n, &width);
        EXPECT_EQ(small.Width(n) + height, width) << name << ", " << n << " characters";
    }
    EXPECT_EQ(0, hosted.effect->block.amplitude) << name;

    hosted.Frames(1);
    EXPECT_EQ(height, hosted.effect->block.amplitude) << name << ": the build writes the height";
    hosted.effect->GetDrawingArea(&area);
    EXPECT_EQ(small.extent.cx + 2 * height, area.cx) << name;

    // From then on the block's amplitude stands, whatever the size.
    hosted.run.font.lfHeight = -36;
    hosted.effect->ChangeParagraph();
    hosted.effect->GetDrawingArea(&area);
    EXPECT_EQ(PlainText(hosted.run).extent.cx + 2 * height, area.cx) << name;
    EXPECT_EQ(height, hosted.effect->block.amplitude) << name;
}

TEST(LeanAmplitude, ZeroFollowsTheTextHeightUntilTheFirstBuildWritesIt) {
    ExpectTheMarginToFollowTheHeightUntilTheFirstBuild<SwayFont>("Sway");
    ExpectTheMarginToFollowTheHeightUntilTheFirstBuild<SingingFont>("Singing");
}

}  // namespace
