#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "effects/Neon/NeonFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Neon = testsupport::HostedPalette<NeonFont>;

void SetDecayAndLevel(Neon& hosted, BYTE decay, BYTE level) {
    NeonBlock block = hosted.Saved();
    block.decay = decay;
    block.flickerLevel = level;
    ASSERT_EQ(S_OK, hosted.Set(block));
}

// Which of the next frames are lit: with full decay the glow dies at once, so
// a lit frame leaves its letters on the surface and a dark one leaves nothing.
std::vector<bool> Lit(Neon& hosted, int frames) {
    std::vector<bool> lit;
    for (int frame = 0; frame < frames; ++frame) {
        hosted.Frames(1);
        const std::vector<BYTE> pixels = hosted.Surface();
        lit.push_back(std::any_of(pixels.begin(), pixels.end(), [](BYTE p) { return p != 0; }));
    }
    return lit;
}

TEST(Neon, FramesAreLitWhereTheFlickerTableRisesAboveTheLevelThatStands) {
    Neon resting(L" 光る管 "), raised(L" 光る管 "), hovered(L" 光る管 ");
    SetDecayAndLevel(resting, 255, 128);
    SetDecayAndLevel(raised, 255, 200);
    SetDecayAndLevel(hovered, 255, 128);
    hovered.effect->MouseEnter();
    const std::vector<bool> atRest = Lit(resting, 256);
    const std::vector<bool> atRaised = Lit(raised, 256);
    EXPECT_EQ(atRaised, Lit(hovered, 256)) << "under the mouse the level is 200";
    const auto count = [](const std::vector<bool>& lit) { return std::count(lit.begin(), lit.end(), true); };
    EXPECT_GT(count(atRest), 64) << "about half the frames at 128";
    EXPECT_LT(count(atRest), 192);
    EXPECT_LT(count(atRaised), count(atRest));
    for (int frame = 0; frame < 256; ++frame)
        EXPECT_TRUE(!atRaised[frame] || atRest[frame]) << "frame " << frame << " lit at 200 but not at 128";

    hovered.effect->MouseLeave();
    EXPECT_EQ(atRest, Lit(hovered, 256)) << "the pattern repeats every 256 frames";
    SetDecayAndLevel(resting, 255, 255);
    EXPECT_EQ(0, count(Lit(resting, 256))) << "no entry is above 255";
}

TEST(Neon, TheTubeKeepsItsColourThroughRebuildsAndRecordsWithoutAKeyBeforeTheLast) {
    Neon hosted;
    hosted.effect->Activate();
    NeonBlock record = hosted.Saved();
    record.head.keys[1] = {0, 0, 255, 0};  // a red tube; flag unchanged
    ASSERT_EQ(S_OK, hosted.Set(record));
    NeonBlock built = hosted.Saved();
    EXPECT_EQ(255, built.head.keys[1].red) << "taken and put back on the rebuilt palette";
    EXPECT_EQ(0, built.head.keys[1].blue);
    EXPECT_EQ(128, built.head.positions[1]);

    record.head.count = 1;
    record.useRunColours = 0;
    ASSERT_EQ(S_OK, hosted.Set(record));
    hosted.Frames(3);
    built = hosted.Saved();
    EXPECT_EQ(3, built.head.count) << "rebuilt on the default keys";
    EXPECT_EQ(255, built.head.keys[1].red) << "a record with one key keeps the tube's colour";
    EXPECT_EQ(0, built.head.keys[1].blue);
}

}  // namespace
