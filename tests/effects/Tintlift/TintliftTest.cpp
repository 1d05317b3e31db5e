#include <gtest/gtest.h>

#include "effects/Tintlift/TintliftFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Tintlift = testsupport::HostedPalette<TintliftFont>;

constexpr COLORREF kMarker = RGB(7, 77, 177);
constexpr COLORREF kBackground = RGB(0, 0, 96);

RECT Shown(const Tintlift& hosted) { return {0, 0, hosted.area.cx, hosted.area.cy}; }

// Whether the next frame paints over a canvas left in a marker colour.
bool Painted(Tintlift& hosted) {
    const winkit::Brush marker(CreateSolidBrush(kMarker));
    const RECT all{0, 0, hosted.canvas.width(), hosted.canvas.height()};
    FillRect(hosted.canvas.dc(), &all, marker.get());
    hosted.Frames(1);
    const RECT shown = Shown(hosted);
    return hosted.canvas.Count(kMarker, shown) < (shown.right - shown.left) * (shown.bottom - shown.top);
}

TEST(Tintlift, TheCycleRestartsOnAFrameThatLeavesTheScreenAsItWas) {
    Tintlift hosted(L"題名 Title", 36);
    // 50 slide frames, then 98 glow and fade frames.
    for (int frame = 1; frame <= 148; ++frame) ASSERT_TRUE(Painted(hosted)) << "frame " << frame;
    EXPECT_FALSE(Painted(hosted)) << "frame 149 restarts";
    EXPECT_TRUE(Painted(hosted)) << "the slide again";

    // A fade of 0 or below never comes back to 0: the glow fades out and stays.
    TintliftBlock block = hosted.Saved();
    block.slideLength = 2;
    block.glowLength = 3;
    block.fadeLength = 0;
    ASSERT_EQ(S_OK, hosted.Set(block));
    for (int frame = 1; frame <= 300; ++frame) ASSERT_TRUE(Painted(hosted)) << "frame " << frame;
}

TEST(Tintlift, TheCopiesSlideInOverTheSlideBackground) {
    for (BYTE flag : {BYTE{1}, BYTE{0}}) {
        Tintlift hosted(L"題名 Title", 36);
        hosted.run.background = kBackground;
        TintliftBlock block = hosted.Saved();
        block.useRunColours = flag;
        ASSERT_EQ(S_OK, hosted.Set(block));
        const COLORREF background = flag ? kBackground : RGB(0, 0, 0);
        const RECT shown = Shown(hosted);
        const int area = (shown.right - shown.left) * (shown.bottom - shown.top);
        hosted.Frames(1);
        EXPECT_EQ(area, hosted.canvas.Count(background, shown)) << "all three copies still out of sight";
        hosted.Frames(24);
        for (COLORREF pure : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)})
            EXPECT_GT(hosted.canvas.Count(pure, shown), 0) << std::hex << pure << " half way in";
        EXPECT_GT(hosted.canvas.Count(background, shown), area / 3);
    }
}

}  // namespace
