#include <gtest/gtest.h>

#include <vector>

#include "effects/Focus/FocusFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "tests/support/Preconditions.h"

namespace {

using Focus = testsupport::HostedPalette<FocusFont>;

void SetBeat(Focus& hosted, BYTE depth, BYTE speed) {
    FocusBlock block = hosted.Saved();
    block.depth = depth;
    block.speed = speed;
    ASSERT_EQ(S_OK, hosted.Set(block));
}

TEST(Focus, TheBeatStopsAt192WhileHoveredAndGoesOnFromThere) {
    Focus hovered(L"鼓動 Beat"), held(L"鼓動 Beat");
    hovered.effect->Activate();  // a build lets go of the pointer
    hovered.effect->MouseEnter();
    // The other one reaches phase 192 in one frame and stays there.
    SetBeat(held, 5, 192);
    held.Frames(1);
    SetBeat(held, 5, 0);
    hovered.Frames(1);
    for (int frame = 0; frame < 20; ++frame) {
        hovered.Frames(1);
        held.Frames(1);
        ASSERT_EQ(held.Surface(), hovered.Surface()) << "hovered frame " << frame;
    }
    hovered.effect->MouseLeave();
    SetBeat(held, 5, 8);
    for (int frame = 0; frame < 20; ++frame) {
        hovered.Frames(1);
        held.Frames(1);
        ASSERT_EQ(held.Surface(), hovered.Surface()) << "frame " << frame << " after leaving";
    }
}

// A depth above 127 takes the decay past 255: the glow around the letters
// goes at once in either kernel form, and only the letters, in the top
// entry, are left.
TEST(Focus, DeepBeatsClearTheGlowInEitherKernelForm) {
    const bool moduleForm = palette::UseMmxKernels();
    for (bool mmx : {false, true}) {
        if (mmx) {
            QUILLON_SKIP_WITHOUT_MMX();
        }
        Focus hosted(L"鼓動", 36);
        palette::SetMmxKernels(mmx);
        SetBeat(hosted, 200, 64);  // one frame to the deepest phase, about 400
        hosted.Frames(1);
        SetBeat(hosted, 200, 0);
        hosted.Frames(3);
        int letters = 0;
        const std::vector<BYTE> pixels = hosted.Surface();
        for (BYTE pixel : pixels) {
            ASSERT_TRUE(pixel == 0 || pixel == 255) << int{pixel} << (mmx ? " in blocks" : " per pixel");
            letters += pixel == 255;
        }
        EXPECT_GT(letters, 50);
    }
    palette::SetMmxKernels(moduleForm);
}

}  // namespace
