#include <gtest/gtest.h>

#include <set>

#include "effects/Hueblaze/HueblazeFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Hueblaze = testsupport::HostedPalette<HueblazeFont>;

void SetDecay(Hueblaze& hosted, BYTE decay) {
    palette::FireBlock block = hosted.Saved();
    block.decay = decay;
    ASSERT_EQ(S_OK, hosted.Set(block));
}

// Above the seed row (memory row 0) the fire of full cooling dies at once, so
// what a frame leaves there is the letters as drawn last.
TEST(Hueblaze, LettersShowOnlyInEntries205To254) {
    Hueblaze hosted(L"Frost 炎", 40);
    SetDecay(hosted, 255);
    const int stride = hosted.Stride();
    std::set<BYTE> letterEntries;
    for (int frame = 0; frame < 40; ++frame) {
        hosted.Frames(1);
        const std::vector<BYTE> pixels = hosted.Surface();
        std::set<BYTE> drawn;
        for (size_t at = stride; at < pixels.size(); ++at)
            if (pixels[at] != 0) drawn.insert(pixels[at]);
        ASSERT_EQ(1u, drawn.size()) << "frame " << frame << ": one colour a frame";
        EXPECT_GE(*drawn.begin(), 205);
        EXPECT_LE(*drawn.begin(), 254);
        letterEntries.insert(*drawn.begin());
    }
    EXPECT_GT(letterEntries.size(), 5u) << "a random colour each frame";
}

// Heat above the rows the seed row reaches in one frame.
long HeatAbove(const Hueblaze& hosted, int row) {
    const std::vector<BYTE> pixels = hosted.Surface();
    long heat = 0;
    for (size_t at = static_cast<size_t>(row) * hosted.Stride(); at < pixels.size(); ++at)
        heat += pixels[at];
    return heat;
}

TEST(Hueblaze, TheHotSpotFollowsThePointerOnlyStrictlyInsideTheMargins) {
    const SIZE area = Hueblaze(L"    ", 40).area;
    ASSERT_GT(area.cx, 20);
    const struct {
        POINT pointer;
        bool hot;
    } cases[] = {{{6, area.cy / 2}, true},          {{5, area.cy / 2}, false},
                 {{area.cx - 5, area.cy / 2}, false}, {{area.cx / 2, 5}, false},
                 {{area.cx / 2, area.cy - 5}, false}, {{area.cx / 2, area.cy - 6}, true}};
    for (const auto& c : cases) {
        Hueblaze hosted(L"    ", 40);  // blanks: no letters feed the fire
        SetDecay(hosted, 0);
        hosted.effect->Activate();
        hosted.effect->OnMouseMove(c.pointer);
        hosted.Frames(1);
        EXPECT_EQ(c.hot, HeatAbove(hosted, 3) > 0) << c.pointer.x << "," << c.pointer.y;
    }
}

}  // namespace
