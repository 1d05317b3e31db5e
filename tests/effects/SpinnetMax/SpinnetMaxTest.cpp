#include <gtest/gtest.h>

#include "effects/SpinnetMax/SpinnetMaxFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "tests/effects/suite/ProcessResources.h"

namespace {

// The turned fonts are the run's, made with its surfaces: no frame makes
// one that outlives it.
TEST(SpinnetMax, FramesLeaveNoFontsBehind) {
    testsupport::HostedPalette<SpinnetMaxFont> spinnet(L"手を振る Palm");
    spinnet.Frames(20);
    const int objects = effectsuite::GdiObjectCount();
    spinnet.Frames(20000);
    EXPECT_EQ(objects, effectsuite::GdiObjectCount());
}

// One font per distinct escapement of the table, each turned to it, made at
// once and freed at once.
TEST(TurnedFonts, OneFontPerDistinctEscapementMadeAndFreedTogether) {
    palette::PhaseTable<int> table{};
    for (int phase = 0; phase < 256; ++phase) table[phase] = (phase % 3 - 1) * 450;
    LOGFONTA base{};
    base.lfHeight = -20;
    spinnet::TurnedFonts fonts;
    const int objects = effectsuite::GdiObjectCount();
    ASSERT_TRUE(fonts.Make(base, table));
    EXPECT_EQ(3, fonts.Count());
    EXPECT_EQ(objects + 2 * 3, effectsuite::GdiObjectCount()) << "a font and the context holding it each";
    for (int phase = 0; phase < 256; ++phase) {
        LOGFONTA turned{};
        ASSERT_EQ(static_cast<int>(sizeof turned), GetObjectA(fonts.At(static_cast<BYTE>(phase)), sizeof turned, &turned));
        EXPECT_EQ(table[phase], turned.lfEscapement) << phase;
    }
    EXPECT_EQ(fonts.At(0), fonts.At(3));
    fonts.Clear();
    EXPECT_EQ(0, fonts.Count());
    EXPECT_EQ(nullptr, fonts.At(0));
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
