// The shared checks that no stored or edited block and no run, however odd,
// makes an effect crash, hang or write outside its surfaces.
#include <gtest/gtest.h>

#include <string>

#include "tests/effects/suite/ProcessResources.h"
#include "tests/effects/suite/SuiteEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/Preconditions.h"

namespace effectsuite {
namespace {

using comkit::ComPtr;

// Frames with every mouse event between them, into a canvas of the area.
::testing::AssertionResult RunFrames(HostedEffect& hosted, int frames) {
    const SIZE area = hosted.Area();
    testsupport::Canvas canvas(std::max<LONG>(area.cx, 1) + 2, std::max<LONG>(area.cy, 1) + 2, RGB(0, 0, 0));
    for (int frame = 0; frame < frames; ++frame) {
        switch (frame % 6) {
            case 1: hosted.effect->MouseEnter(); break;
            case 2: hosted.effect->OnMouseMove({frame * 7 % (area.cx + 20) - 10, frame * 3 % (area.cy + 10) - 5}); break;
            case 3: hosted.effect->OnButtonDown({area.cx / 2, area.cy / 2}); break;
            case 5: hosted.effect->MouseLeave(); break;
            default: break;
        }
        if (hosted.effect->UpdateTextFace(canvas.dc(), {1, 1}) != S_OK)
            return ::testing::AssertionFailure() << "frame " << frame << " failed";
        if (auto slack = SurfaceSlackClear(hosted.effect.get()); !slack) return slack << " in frame " << frame;
    }
    return ::testing::AssertionSuccess();
}

class EffectRobustness : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        // The first object settles the module's kernel form; then choose it.
        NewEffect();
        if (GetParam()) {
            QUILLON_SKIP_WITHOUT_MMX();
        }
        UseMmxKernels(GetParam());
    }
};

TEST_P(EffectRobustness, RandomStoredBlocksRunSafely) {
    HostedEffect hosted(L"Quillonの雨", 30);
    const auto property = hosted.As<IViviFontProperty>(IID_IViviFontProperty);
    for (std::uint32_t seed = 100; seed < 160; ++seed) {
        auto stored = Record(BlockSize(), 2, RandomBlock(seed));
        ASSERT_EQ(S_OK, property->LoadProperty(AsPersist(stored)));
        ASSERT_TRUE(RunFrames(hosted, 8)) << "block seed " << seed;
    }
    for (BYTE fill : {BYTE{0x00}, BYTE{0xFF}, BYTE{0x80}}) {
        auto stored = Record(BlockSize(), 2, std::vector<BYTE>(BlockSize(), fill));
        ASSERT_EQ(S_OK, property->LoadProperty(AsPersist(stored)));
        ASSERT_TRUE(RunFrames(hosted, 8)) << "block of " << int{fill};
    }
    EXPECT_TRUE(HeapsValid());
}

TEST_P(EffectRobustness, RandomParameterRecordsRunSafely) {
    HostedEffect hosted(L"Quillonの雨", 30);
    const auto parameters = hosted.As<IFontProperty>(IID_IFontProperty);
    for (std::uint32_t seed = 200; seed < 260; ++seed) {
        auto record = Record(BlockSize() + 12, 1, RandomBlock(seed));
        ASSERT_EQ(S_OK, parameters->SetVVLF(AsVvlf(record), seed % 2));
        ASSERT_TRUE(RunFrames(hosted, 8)) << "record seed " << seed;
    }
    for (BYTE fill : {BYTE{0x00}, BYTE{0xFF}}) {
        auto record = Record(BlockSize() + 12, 1, std::vector<BYTE>(BlockSize(), fill));
        ASSERT_EQ(S_OK, parameters->SetVVLF(AsVvlf(record), 1));
        ASSERT_TRUE(RunFrames(hosted, 8)) << "record of " << int{fill};
    }
    EXPECT_TRUE(HeapsValid());
}

TEST_P(EffectRobustness, OddRunsRunSafely) {
    const struct {
        const char* what;
        std::wstring text;
        int pixels;
    } runs[] = {
        {"empty", L"", 36},
        {"one character", L"i", 36},
        {"one wide character", L"雨", 36},
        {"tiny", L"ab", 3},
        {"a few pixels wide", L"..", 8},
        {"very wide", std::wstring(300, L'W'), 24},
        {"very tall", L"雨", 300},
    };
    for (const auto& odd : runs) {
        HostedEffect hosted(odd.text, odd.pixels);
        EXPECT_TRUE(RunFrames(hosted, 12)) << odd.what;
        const auto activation = hosted.As<IViviFontActivation>(IID_IViviFontActivation);
        activation->Deactivate();
        EXPECT_TRUE(RunFrames(hosted, 3)) << odd.what << " after deactivation";
    }
    EXPECT_TRUE(HeapsValid());
}

INSTANTIATE_TEST_SUITE_P(KernelForms, EffectRobustness, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Mmx" : "PerPixel");
                         });

}  // namespace
}  // namespace effectsuite
