// The shared checks of an effect's surfaces over its life: activation,
// drawing inside its area, and nothing left behind by builds and releases.
#include <gtest/gtest.h>

#include "tests/effects/suite/ProcessResources.h"
#include "tests/effects/suite/SuiteEffect.h"
#include "tests/support/Canvas.h"
#include "textrun/FontManager.h"

namespace effectsuite {
namespace {

using comkit::ComPtr;

constexpr COLORREF kPaper = RGB(1, 2, 3);

char Activated(const HostedEffect& hosted) {
    char activated = -1;
    hosted.As<IViviFontActivation>(IID_IViviFontActivation)->IsActivated(&activated);
    return activated;
}

TEST(EffectActivation, FollowsActivateDeactivateAndTheNextDraw) {
    HostedEffect hosted;
    const auto activation = hosted.As<IViviFontActivation>(IID_IViviFontActivation);
    hosted.Area();
    int width = 0;
    hosted.effect->GetWidth(2, &width);
    EXPECT_EQ(0, Activated(hosted)) << "a query builds nothing";
    EXPECT_EQ(S_OK, activation->Activate());
    EXPECT_EQ(1, Activated(hosted));
    EXPECT_EQ(S_OK, activation->Deactivate());
    EXPECT_EQ(0, Activated(hosted));
    EXPECT_EQ(S_OK, activation->Deactivate());
    EXPECT_EQ(0, Activated(hosted));

    hosted.effect->ChangeParagraph();
    EXPECT_EQ(0, Activated(hosted)) << "a change while deactivated only measures";
    testsupport::Canvas canvas(hosted.Area().cx + 10, hosted.Area().cy + 10, kPaper);
    EXPECT_EQ(S_OK, hosted.effect->DrawTextFace(canvas.dc(), {5, 5}));
    EXPECT_EQ(1, Activated(hosted));
    const size_t before = SurfaceMemory(hosted.effect.get(), 0).size();
    hosted.run.text = L"別のテキストはずっと長い";
    hosted.effect->ChangeParagraph();
    EXPECT_EQ(1, Activated(hosted));
    EXPECT_NE(before, SurfaceMemory(hosted.effect.get(), 0).size()) << "a change while activated rebuilds at once";
    EXPECT_TRUE(SurfaceSlackClear(hosted.effect.get()));
}

TEST(EffectActivation, AnUnboundEffectDrawsNothingAndStaysInactive) {
    const ComPtr<IViviFont> effect = NewEffect();
    testsupport::Canvas canvas(40, 40, kPaper);
    EXPECT_EQ(S_OK, effect->DrawTextFace(canvas.dc(), {0, 0}));
    EXPECT_EQ(S_OK, effect->UpdateTextFace(canvas.dc(), {0, 0}));
    EXPECT_EQ(S_OK, effect.As<IViviFontActivation>(IID_IViviFontActivation)->Activate());
    char activated = -1;
    effect.As<IViviFontActivation>(IID_IViviFontActivation)->IsActivated(&activated);
    EXPECT_EQ(0, activated);
    EXPECT_EQ(40 * 40, canvas.Count(kPaper, {0, 0, 40, 40}));
}

TEST(EffectDrawing, FramesStayInsideTheDrawingArea) {
    HostedEffect hosted(L"Quillon 雨の日", 36);
    const SIZE area = hosted.Area();
    ASSERT_GT(area.cx, 0);
    testsupport::Canvas canvas(area.cx + 40, area.cy + 40, kPaper);
    const RECT inside{20, 30, 20 + area.cx, 30 + area.cy};
    for (int frame = 0; frame < 30; ++frame) {
        if (frame == 10) hosted.effect->MouseEnter();
        if (frame == 12) hosted.effect->OnMouseMove({area.cx / 2, area.cy / 2});
        if (frame == 14) hosted.effect->OnButtonDown({area.cx / 2, area.cy / 2});
        if (frame == 20) hosted.effect->MouseLeave();
        ASSERT_EQ(S_OK, hosted.effect->UpdateTextFace(canvas.dc(), {20, 30}));
    }
    const int paperOutside = canvas.CountOutside(kPaper, inside);
    EXPECT_EQ(canvas.width() * canvas.height() - area.cx * area.cy, paperOutside);
    EXPECT_EQ(0, canvas.Count(kPaper, inside)) << "the frame covers its whole area";
    EXPECT_TRUE(SurfaceSlackClear(hosted.effect.get()));
}

TEST(EffectDrawing, WithTheRunsColoursTheBackgroundEntryIsTheRunsBackground) {
    HostedEffect hosted;
    ASSERT_EQ(1, SavedBlock(hosted.effect.get())[FlagOffset()]) << "the defaults use the run's colours";
    hosted.As<IViviFontActivation>(IID_IViviFontActivation)->Activate();
    EXPECT_EQ(hosted.run.background, PaletteEntry(hosted.effect.get(), 0));
}

// Builds, frames, rebuilds, clones and releases many times over.
void Cycle(HostedEffect& hosted, HDC dc, int cycles) {
    const auto activation = hosted.As<IViviFontActivation>(IID_IViviFontActivation);
    for (int i = 0; i < cycles; ++i) {
        activation->Activate();
        hosted.effect->UpdateTextFace(dc, {0, 0});
        hosted.effect->ChangeParagraph();
        hosted.effect->DrawTextFace(dc, {0, 0});
        activation->Deactivate();
        hosted.effect->UpdateTextFace(dc, {0, 0});
        ComPtr<IViviFont> clone;
        hosted.effect->Clone(clone.put());
        testsupport::Bind(clone.get(), &hosted.fonts, &hosted.run);
        clone->DrawTextFace(dc, {0, 0});
    }
    activation->Deactivate();
}

TEST(EffectResources, BuildsAndReleasesLeaveNoGdiObjectsOrMemoryBehind) {
    HostedEffect hosted(L"漏れのない雨 Quillon", 36);
    testsupport::Canvas canvas(hosted.Area().cx, hosted.Area().cy, kPaper);
    Cycle(hosted, canvas.dc(), 5);  // first-use costs of the platform and the font cache
    const int objects = GdiObjectCount();
    const size_t bytes = PrivateBytes();
    Cycle(hosted, canvas.dc(), 300);
    EXPECT_EQ(objects, GdiObjectCount());
    EXPECT_LT(PrivateBytes(), bytes + 512 * 1024);
    EXPECT_TRUE(HeapsValid());
}

TEST(EffectResources, ReleasingTheLastReferenceFreesAnActivatedEffect) {
    textrun::FontManager fonts;
    testsupport::TestRun run(L"解放", 36);
    testsupport::Canvas canvas(200, 60, kPaper);
    auto once = [&] {
        ComPtr<IViviFont> effect = NewEffect();
        testsupport::Bind(effect.get(), &fonts, &run);
        effect->UpdateTextFace(canvas.dc(), {0, 0});
    };
    once();
    const int objects = GdiObjectCount();
    for (int i = 0; i < 100; ++i) once();
    EXPECT_EQ(objects, GdiObjectCount());
}

}  // namespace
}  // namespace effectsuite
