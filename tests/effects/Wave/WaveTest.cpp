#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "comkit/ComPtr.h"
#include "effectbase/EffectObject.h"
#include "effects/Wave/WaveFont.h"
#include "effects/static/StaticFont.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace {

using Wave = effectbase::EffectObject<WaveFont>;

struct HostedWave {
    HostedWave() : effect(new Wave) {
        run.colour = RGB(255, 255, 255);
        testsupport::Bind(effect.get(), &fonts, &run);
    }
    SIZE Area() const {
        SIZE area{};
        effect->GetDrawingArea(&area);
        return area;
    }
    HRESULT Set(std::int32_t amplitude, BYTE speed, BYTE rowStep) {
        WaveBlock block{};
        std::memcpy(&block, effect->PropertyBytes().data(), sizeof block);
        block.amplitude = amplitude;
        block.speed = speed;
        block.rowStep = rowStep;
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {sizeof block + 12, 1};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        return effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1);
    }
    // One frame, and the output as the wave must have made it from the source.
    ::testing::AssertionResult FrameFollowsTheWave(testsupport::Canvas& canvas, int amplitude, int rowStep) {
        effect->UpdateTextFace(canvas.dc(), {0, 0});
        phase = static_cast<BYTE>(phase + speed);
        const std::span<const BYTE> source = effect->SurfaceMemory(0);
        const std::span<const BYTE> output = effect->SurfaceMemory(1);
        const int stride = static_cast<int>(source.size()) / Area().cy;
        std::vector<BYTE> expected(source.size(), 0);
        for (int row = 0; row < Area().cy; ++row) {
            const int t = (rowStep * (row + 1) + phase) % 256;
            const int shift = static_cast<int>(std::sin(t * 0.0245436) * amplitude);
            const int shade = shift * 50 / amplitude + 60;
            for (int j = amplitude; j < stride - amplitude; ++j)
                expected[row * stride + j + shift] = static_cast<BYTE>(shade * source[row * stride + j]);
        }
        if (std::vector<BYTE>(output.begin(), output.end()) == expected) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "phase " << int{phase} << ", row step " << rowStep;
    }

    textrun::FontManager fonts;
    testsupport::TestRun run{L"Wave 波の歌", 30};
    comkit::ComPtr<Wave> effect;
    BYTE phase = 0;
    BYTE speed = 8;
};

TEST(Wave, IsWiderByTwiceTheAmplitudeAndItsPrefixesByOnce) {
    HostedWave wave;
    comkit::ComPtr<IViviFont> plain(new StaticFont);
    testsupport::Bind(plain.get(), &wave.fonts, &wave.run);
    SIZE text{};
    plain->GetDrawingArea(&text);
    EXPECT_EQ(text.cx + 8, wave.Area().cx);
    EXPECT_EQ(text.cy, wave.Area().cy);
    for (int n : {0, 1, 5}) {
        int plainWidth = 0, waveWidth = 0;
        plain->GetWidth(n, &plainWidth);
        wave.effect->GetWidth(n, &waveWidth);
        EXPECT_EQ(plainWidth + 4, waveWidth) << n;
    }
    ASSERT_EQ(S_OK, wave.Set(2000, 8, 20));
    EXPECT_EQ(text.cx + 4000, wave.Area().cx);
    // An amplitude of 0 or below would divide by zero and leave no margin: it acts as 1.
    ASSERT_EQ(S_OK, wave.Set(0, 8, 20));
    EXPECT_EQ(text.cx + 2, wave.Area().cx);
    ASSERT_EQ(S_OK, wave.Set(-7, 8, 20));
    EXPECT_EQ(text.cx + 2, wave.Area().cx);
}

TEST(Wave, RowsFollowTheTravellingWaveAndHoverShortensIt) {
    HostedWave wave;
    testsupport::Canvas canvas(wave.Area().cx, wave.Area().cy, RGB(0, 0, 0));
    for (int frame = 0; frame < 40; ++frame) ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 20));
    wave.effect->MouseEnter();
    for (int frame = 0; frame < 5; ++frame) ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 10));
    wave.effect->MouseLeave();
    ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 20));

    ASSERT_EQ(S_OK, wave.Set(4, 8, 3));
    wave.effect->MouseEnter();
    ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 1)) << "3 halves to 1";
    ASSERT_EQ(S_OK, wave.Set(4, 8, 1));
    ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 1)) << "a parameter record sets the row step under the mouse too";
    wave.effect->MouseEnter();
    ASSERT_TRUE(wave.FrameFollowsTheWave(canvas, 4, 1)) << "1 stays 1";

    // A new amplitude rebuilds; 0 acts as 1.
    wave.effect->MouseLeave();
    ASSERT_EQ(S_OK, wave.Set(0, 8, 20));
    testsupport::Canvas narrow(wave.Area().cx, wave.Area().cy, RGB(0, 0, 0));
    for (int frame = 0; frame < 3; ++frame) ASSERT_TRUE(wave.FrameFollowsTheWave(narrow, 1, 20));
}

}  // namespace
