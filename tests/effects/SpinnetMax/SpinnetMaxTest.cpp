#include <gtest/gtest.h>

#include "effects/SpinnetMax/SpinnetMaxFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "tests/effects/suite/ProcessResources.h"

namespace {

// A frame's turned font stays only while some letter of its escapement has
// no stamp: no frame leaves one behind, and a run whose letters all have
// stamps holds none between frames.
TEST(SpinnetMax, FramesLeaveNoFontsBehind) {
    const int before = effectsuite::GdiObjectCount();
    testsupport::HostedPalette<SpinnetMaxFont> spinnet(L"手を振る Palm");
    spinnet.Frames(20);
    const int objects = effectsuite::GdiObjectCount();
    spinnet.Frames(20000);
    EXPECT_EQ(objects, effectsuite::GdiObjectCount());
    // The canvas, the run's fonts and the surface; held fonts would add two
    // objects for each of the default swing's hundred and more escapements.
    EXPECT_LT(objects - before, 16);
}

// One slot per distinct escapement of the table. A slot's font, turned to
// its escapement, is made at its first use with the context that holds it,
// and freed by itself or with all the others.
TEST(TurnedFonts, OneSlotPerDistinctEscapementItsFontMadeAtFirstUse) {
    palette::PhaseTable<int> table{};
    for (int phase = 0; phase < 256; ++phase) table[phase] = (phase % 3 - 1) * 450;
    LOGFONTA base{};
    base.lfHeight = -20;
    spinnet::TurnedFonts fonts;
    const int objects = effectsuite::GdiObjectCount();
    fonts.Plan(base, table);
    EXPECT_EQ(3, fonts.Count());
    EXPECT_EQ(objects, effectsuite::GdiObjectCount()) << "no font before its first use";
    for (int phase = 0; phase < 256; ++phase) {
        LOGFONTA turned{};
        const HFONT font = fonts.Font(fonts.Slot(static_cast<BYTE>(phase)));
        ASSERT_EQ(static_cast<int>(sizeof turned), GetObjectA(font, sizeof turned, &turned));
        EXPECT_EQ(table[phase], turned.lfEscapement) << phase;
    }
    EXPECT_EQ(objects + 2 * 3, effectsuite::GdiObjectCount()) << "a font and the context holding it each";
    EXPECT_EQ(fonts.Slot(0), fonts.Slot(3));
    fonts.Release(fonts.Slot(0));
    EXPECT_EQ(objects + 2 * 2, effectsuite::GdiObjectCount());
    EXPECT_NE(nullptr, fonts.Font(fonts.Slot(0))) << "made again";
    fonts.Clear();
    EXPECT_EQ(0, fonts.Count());
    EXPECT_EQ(nullptr, fonts.Font(0));
    EXPECT_EQ(objects, effectsuite::GdiObjectCount());
}

// Stamped letters leave the rows above and below them at entry 0, and the
// frames say which rows they drew, upright under the mouse too.
TEST(SpinnetMax, FramesSayWhichRowsTheyDraw) {
    testsupport::HostedPalette<SpinnetMaxFont> spinnet(L"手を振る Palm");
    EXPECT_TRUE(spinnet.FramesBlankOutsideDrawnRows(0, 300));
}

// The margins are measured once per change of the run, and follow a larger
// font once the host says the run changed.
TEST(SpinnetMax, MarginsFollowTheRunsFontAfterAChange) {
    testsupport::HostedPalette<SpinnetMaxFont> spinnet(L"Palm", 20);
    int small = 0;
    ASSERT_EQ(S_OK, spinnet.effect->GetWidth(0, &small));
    spinnet.run.font.lfHeight = -60;
    spinnet.effect->ChangeParagraph();
    int large = 0;
    spinnet.effect->GetWidth(0, &large);
    // The margin is half the letter's height for the default swing of 30 degrees.
    EXPECT_GE(large - small, 15);
}

}  // namespace
