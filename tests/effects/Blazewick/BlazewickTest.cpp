#include <gtest/gtest.h>

#include "effects/Blazewick/BlazewickFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Blazewick = testsupport::HostedPalette<BlazewickFont>;

// With full cooling a frame shows the background (black) and the letters,
// drawn in one of the entries 205 to 254: between yellow and white, full red
// and green. The bottom row is the seed row.
bool OnlyBackgroundAndHotLetters(const Blazewick& hosted) {
    int letters = 0;
    for (int y = 0; y < hosted.area.cy - 1; ++y)
        for (int x = 0; x < hosted.area.cx; ++x) {
            const COLORREF pixel = hosted.canvas.Pixel(x, y);
            if (pixel == RGB(0, 0, 0)) continue;
            if (GetRValue(pixel) != 255 || GetGValue(pixel) != 255) return false;
            ++letters;
        }
    return letters > 0;
}

TEST(Blazewick, OneRunsSettingsNeverRecolourAnother) {
    Blazewick shown(L"火の玉", 40);
    palette::FireBlock block = shown.Saved();
    block.decay = 255;
    ASSERT_EQ(S_OK, shown.Set(block));
    shown.Frames(3);
    ASSERT_TRUE(OnlyBackgroundAndHotLetters(shown));

    // Another run, not activated, loads green keys; a third, activated, is
    // rebuilt on another background and edited to other keys.
    Blazewick loaded(L"緑", 40);
    palette::FireBlock green = loaded.Saved();
    green.head.count = 2;
    green.head.keys[1] = {0, 255, 0, 0};
    green.head.positions[1] = 255;
    loaded.Load(green);
    Blazewick edited(L"青", 40);
    edited.run.background = RGB(0, 200, 0);
    edited.effect->Activate();
    green.useRunColours = 0;
    ASSERT_EQ(S_OK, edited.Set(green));

    for (int frame = 0; frame < 20; ++frame) {
        shown.Frames(1);
        ASSERT_TRUE(OnlyBackgroundAndHotLetters(shown)) << "frame " << frame;
    }
}

}  // namespace
