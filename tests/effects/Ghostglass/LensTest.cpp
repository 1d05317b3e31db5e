#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "comkit/ComPtr.h"
#include "effectbase/EffectObject.h"
#include "effects/Ghostglass/GhostglassFont.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"

namespace {

using ghostglass::LensScale;
using ghostglass::LensSweep;

// Where a pixel dx, dy off the centre of a lens at column 20 lands.
POINT Landing(int dx, int dy, int radius, int exponent) {
    const double p = LensScale(std::hypot(dx, dy), radius, exponent).value_or(1.0);
    return {static_cast<int>(dx * p + 20) - 20, static_cast<int>(dy * p + radius) - radius};
}

TEST(Lens, DrawsTheLettersShrunkTowardItsCentre) {
    EXPECT_NEAR(0.688027, *LensScale(7, 8, 3), 1e-6);
    EXPECT_EQ(4, Landing(7, 0, 8, 3).x);
    EXPECT_DOUBLE_EQ(0.244140625, *LensScale(4, 8, 3));
    EXPECT_EQ(0, Landing(4, 0, 8, 3).x);
    EXPECT_EQ(3, Landing(5, 5, 8, 3).x);
    EXPECT_EQ(3, Landing(5, 5, 8, 3).y);
    EXPECT_FALSE(LensScale(0, 8, 3)) << "the centre stays";
    EXPECT_FALSE(LensScale(8, 8, 3)) << "the rim stays";
}

std::vector<int> Sweep(int stride, int radius, int step, int moves) {
    LensSweep lens;
    lens.Restart(radius);
    std::vector<int> centres{lens.Centre()};
    for (int i = 0; i < moves; ++i) {
        lens.Move(stride, step);
        centres.push_back(lens.Centre());
    }
    return centres;
}

TEST(Lens, BouncesBetweenItsEdgesAndNeverLeavesTheSurface) {
    const std::vector<int> centres = Sweep(40, 8, 4, 40);
    EXPECT_EQ(8, centres[0]) << "the first frame shows it at R";
    EXPECT_EQ(12, centres[1]);
    EXPECT_EQ(8, *std::min_element(centres.begin(), centres.end()));
    EXPECT_EQ(32, *std::max_element(centres.begin(), centres.end()));
    EXPECT_EQ(28, centres[7]) << "turned back at 32";

    // A run shorter than 2R + 2 step, and steps from a stored block.
    for (int step : {4, 0, -5, INT_MAX, INT_MIN}) {
        for (int stride : {20, 16, 40}) {
            for (int centre : Sweep(stride, 8, step, 30)) {
                ASSERT_GE(centre, 8) << "stride " << stride << " step " << step;
                ASSERT_LE(centre, stride - 8) << "stride " << stride << " step " << step;
            }
        }
    }
}

TEST(Lens, IsHeldOnlyStrictlyInsideItsRange) {
    LensSweep lens;
    lens.Restart(8);
    EXPECT_FALSE(lens.Reaches(12, 40, 4));
    EXPECT_TRUE(lens.Reaches(13, 40, 4));
    EXPECT_TRUE(lens.Reaches(27, 40, 4));
    EXPECT_FALSE(lens.Reaches(28, 40, 4));
    EXPECT_FALSE(lens.Reaches(20, 40, INT_MAX));
}

using Ghostglass = effectbase::EffectObject<GhostglassFont>;

// White letters: the text is drawn in the run's colour, which is on the last key.
comkit::ComPtr<Ghostglass> Bound(testsupport::TestFontCache& fonts, testsupport::TestRun& run) {
    run.colour = RGB(255, 255, 255);
    comkit::ComPtr<Ghostglass> effect(new Ghostglass);
    testsupport::Bind(effect.get(), &fonts, &run);
    return effect;
}

std::vector<BYTE> Frame(Ghostglass& effect, testsupport::Canvas& canvas) {
    effect.UpdateTextFace(canvas.dc(), {0, 0});
    const std::span<const BYTE> output = effect.SurfaceMemory(1);
    return {output.begin(), output.end()};
}

TEST(Ghostglass, AHeldLensStaysUntilTheMouseLeaves) {
    testsupport::TestFontCache fonts;
    testsupport::TestRun run(L"WWWWWWWWWW", 30);
    const comkit::ComPtr<Ghostglass> effect = Bound(fonts, run);
    SIZE area{};
    effect->GetDrawingArea(&area);
    testsupport::Canvas canvas(area.cx, area.cy, RGB(0, 0, 0));
    Frame(*effect.get(), canvas);
    effect->OnMouseMove({area.cx / 2, 5});
    const std::vector<BYTE> held = Frame(*effect.get(), canvas);
    const std::span<const BYTE> source = effect->SurfaceMemory(0);
    ASSERT_NE(std::vector<BYTE>(source.begin(), source.end()), held) << "the lens shows";
    EXPECT_EQ(held, Frame(*effect.get(), canvas));
    EXPECT_EQ(held, Frame(*effect.get(), canvas));
    effect->MouseLeave();
    EXPECT_EQ(held, Frame(*effect.get(), canvas)) << "it moves on after this frame";
    EXPECT_NE(held, Frame(*effect.get(), canvas)) << "the sweep goes on";
}

TEST(Ghostglass, ARunTallerThanWideShowsPlainText) {
    testsupport::TestFontCache fonts;
    testsupport::TestRun run(L"i", 60);
    const comkit::ComPtr<Ghostglass> effect = Bound(fonts, run);
    SIZE area{};
    effect->GetDrawingArea(&area);
    ASSERT_GT(area.cy, area.cx + 4);
    testsupport::Canvas canvas(area.cx, area.cy, RGB(0, 0, 0));
    const std::vector<BYTE> first = Frame(*effect.get(), canvas);
    const std::span<const BYTE> source = effect->SurfaceMemory(0);
    EXPECT_EQ(std::vector<BYTE>(source.begin(), source.end()), first);
    EXPECT_EQ(first, Frame(*effect.get(), canvas));
}

}  // namespace
