#include <gtest/gtest.h>

#include "comkit/TaskMem.h"
#include "textrun/RunShared.h"
#include "webcontrol/ControlParagraph.h"

namespace {

using netrune::ControlParagraph;

TEST(ControlParagraph, IsLentOnlyAsARunAndCountsNothing) {
    ControlParagraph run;
    void* out = &run;
    EXPECT_EQ(E_NOINTERFACE, run.QueryInterface(IID_IUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(S_OK, run.QueryInterface(IID_IParagraphAccess, &out));
    EXPECT_EQ(static_cast<IParagraphAccess*>(&run), out);
    EXPECT_EQ(0u, run.AddRef());
    EXPECT_EQ(0u, run.Release());
}

TEST(ControlParagraph, ReadsItsTextAndPixelSizeAsTheEffectsDo) {
    ControlParagraph run;
    run.InsertText("ab", 0);
    run.InsertText("\x82\xA0", 1);  // あ between a and b
    run.SetSize(36);
    int length = 0;
    run.Length(&length);
    EXPECT_EQ(3, length);
    short character = 0;
    run.GetCharactor(1, &character);
    EXPECT_EQ(0x3042, static_cast<unsigned short>(character));
    comkit::TaskMemString text;
    run.GetString(text.put());
    EXPECT_EQ(L"aあb", text.view());
    tagPassLOGFONT font{};
    run.GetLOGFONT(&font);
    EXPECT_EQ(-36, font.lfHeight) << "pixels, not points";
    run.ClearText();
    run.Length(&length);
    EXPECT_EQ(0, length);
}

TEST(ControlParagraph, KeepsItsFaceWhenTheNameIsNotInstalled) {
    ControlParagraph run;
    const auto& table = textrun::RunShared::InstalledFonts();
    ASSERT_GT(table.size(), 1u);
    const std::string face = table[1].lfFaceName;
    ASSERT_TRUE(run.SetFaceName(face.c_str()));
    const int gothic = run.FontIndex();
    EXPECT_FALSE(run.SetFaceName("No Such Face"));
    EXPECT_EQ(gothic, run.FontIndex());
    tagPassLOGFONT font{};
    run.GetLOGFONT(&font);
    EXPECT_EQ(face, font.lfFaceName);
}

TEST(ControlParagraph, SharesTheFontTableAndCacheWhileAnyRunLives) {
    {
        ControlParagraph first;
        EXPECT_EQ(1, textrun::RunShared::LiveCount());
        IFontManager* fonts = textrun::RunShared::Fonts();
        ControlParagraph second;
        EXPECT_EQ(fonts, textrun::RunShared::Fonts());
    }
    EXPECT_EQ(0, textrun::RunShared::LiveCount());
    EXPECT_EQ(nullptr, textrun::RunShared::Fonts());
}

}  // namespace
