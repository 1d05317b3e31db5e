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
#include "textrun/FontManager.h"

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

// A lens over white letters (the text is drawn in the run's colour, which is
// on the last key), framed into a canvas of its area.
struct HostedGhostglass {
    HostedGhostglass(std::wstring text, int pixels) : run(std::move(text), pixels), effect(new Ghostglass) {
        run.colour = RGB(255, 255, 255);
        testsupport::Bind(effect.get(), &fonts, &run);
        effect->GetDrawingArea(&area);
    }
    std::vector<BYTE> Frame() {
        testsupport::Canvas canvas(area.cx, area.cy, RGB(0, 0, 0));
        effect->UpdateTextFace(canvas.dc(), {0, 0});
        return Surface(1);
    }
    std::vector<BYTE> Surface(int index) const {
        const std::span<const BYTE> memory = effect->SurfaceMemory(index);
        return {memory.begin(), memory.end()};
    }

    textrun::FontManager fonts;
    testsupport::TestRun run;
    comkit::ComPtr<Ghostglass> effect;
    SIZE area{};
};

TEST(Ghostglass, AHeldLensStaysUntilTheMouseLeaves) {
    HostedGhostglass lens(L"WWWWWWWWWW", 30);
    lens.Frame();
    lens.effect->OnMouseMove({lens.area.cx / 2, 5});
    const std::vector<BYTE> held = lens.Frame();
    ASSERT_NE(lens.Surface(0), held) << "the lens shows";
    EXPECT_EQ(held, lens.Frame());
    EXPECT_EQ(held, lens.Frame());
    lens.effect->MouseLeave();
    EXPECT_EQ(held, lens.Frame()) << "it moves on after this frame";
    EXPECT_NE(held, lens.Frame()) << "the sweep goes on";
}

TEST(Ghostglass, ARunTallerThanWideShowsPlainText) {
    HostedGhostglass lens(L"i", 60);
    ASSERT_GT(lens.area.cy, lens.area.cx + 4);
    const std::vector<BYTE> first = lens.Frame();
    EXPECT_EQ(lens.Surface(0), first);
    EXPECT_EQ(first, lens.Frame());
}

}  // namespace
