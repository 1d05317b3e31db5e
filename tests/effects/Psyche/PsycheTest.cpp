#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "effects/Psyche/PsycheFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Psyche = testsupport::HostedPalette<PsycheFont>;

// The plasma table: 64 - trunc(sin(k x 0.0245436) x -62), read at 1 for indices 0 and 255.
int Plasma(int index) {
    const int k = index == 0 || index == 255 ? 1 : index;
    return 64 - static_cast<int>(std::sin(k * 0.0245436) * -62.0);
}

TEST(Psyche, EveryPixelIsTheSumOfTheTwoWavesEvenForTheLargestSettings) {
    Psyche hosted(L"    ", 30);  // blanks: the plasma alone
    PsycheBlock block = hosted.Saved();
    block.speed = INT_MAX;      // doubled under the mouse: low byte 0xFE
    block.amplitude = INT_MAX;  // its jumps need more than 32 bits
    ASSERT_EQ(S_OK, hosted.Set(block));
    hosted.effect->MouseEnter();
    const int stride = hosted.Stride();
    const int rows = hosted.area.cy;
    for (int c = 1; c <= 3; ++c) {
        hosted.Frames(1);
        const std::vector<BYTE> pixels = hosted.Surface();
        ASSERT_EQ(static_cast<size_t>(stride) * rows, pixels.size());
        const double jump = double{INT_MAX} * (std::sin(c * 0.0245436) + 1.0) * c;
        for (int i = 1; i <= rows; ++i) {
            const int b = static_cast<BYTE>(static_cast<long long>(jump + i));
            for (int j = 0; j < stride; ++j) {
                const int d = static_cast<BYTE>(0xFE * c + j);
                ASSERT_EQ(static_cast<BYTE>(Plasma(d) + Plasma(b)), pixels[(i - 1) * stride + j])
                    << "frame " << c << " row " << i << " column " << j;
            }
        }
    }
}

TEST(Psyche, LettersAreCutOutInEntryZero) {
    Psyche hosted(L"サイケ", 36);
    constexpr COLORREF kBackground = RGB(0, 0, 96);
    hosted.run.background = kBackground;
    hosted.Frames(5);
    int letters = 0;
    const std::vector<BYTE> pixels = hosted.Surface();
    for (BYTE pixel : pixels) {
        ASSERT_TRUE(pixel == 0 || (pixel >= 6 && pixel <= 250)) << int{pixel};
        letters += pixel == 0;
    }
    EXPECT_GT(letters, 50);
    // With the flag set entry 0 is the run's background.
    EXPECT_GT(hosted.canvas.Count(kBackground, {0, 0, hosted.area.cx, hosted.area.cy}), 50);
}

}  // namespace
