// The font cache: one handle per key, keyed only by face, absolute height,
// weight and styles, owning every font it returned.
#include <gtest/gtest.h>

#include <cstring>

#include "textrun/FontManager.h"

namespace {

tagPassLOGFONT Describe(const char* face, LONG height) {
    tagPassLOGFONT font{};
    font.lfHeight = height;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(font.lfFaceName, face);
    return font;
}

HFONT Get(textrun::FontManager& cache, tagPassLOGFONT font) {
    HFONT handle = nullptr;
    EXPECT_EQ(S_OK, cache.GetFontIndirect(&font, &handle));
    return handle;
}

TEST(FontManager, KeyIgnoresHeightSignAndTheUnkeyedFields) {
    textrun::FontManager cache;
    const HFONT first = Get(cache, Describe("IPAGothic", -21));
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(OBJ_FONT, GetObjectType(first));
    EXPECT_EQ(first, Get(cache, Describe("IPAGothic", 21)));

    tagPassLOGFONT other = Describe("IPAGothic", 21);
    other.lfCharSet = SHIFTJIS_CHARSET;
    other.lfWidth = 7;
    other.lfQuality = ANTIALIASED_QUALITY;
    other.lfPitchAndFamily = FIXED_PITCH;
    other.lfEscapement = 900;
    EXPECT_EQ(first, Get(cache, other));
    EXPECT_EQ(1u, cache.Size());

    // The font created for the first request serves them all.
    LOGFONTA created{};
    GetObjectA(first, sizeof created, &created);
    EXPECT_EQ(-21, created.lfHeight);
}

TEST(FontManager, KeyedFieldsMakeNewFonts) {
    textrun::FontManager cache;
    const HFONT base = Get(cache, Describe("IPAGothic", -21));
    EXPECT_NE(base, Get(cache, Describe("ipagothic", -21)));
    EXPECT_NE(base, Get(cache, Describe("IPAGothic", -22)));
    tagPassLOGFONT bold = Describe("IPAGothic", -21);
    bold.lfWeight = FW_BOLD;
    EXPECT_NE(base, Get(cache, bold));
    for (BYTE tagPassLOGFONT::*style : {&tagPassLOGFONT::lfItalic, &tagPassLOGFONT::lfUnderline,
                                        &tagPassLOGFONT::lfStrikeOut}) {
        tagPassLOGFONT styled = Describe("IPAGothic", -21);
        styled.*style = 1;
        EXPECT_NE(base, Get(cache, styled));
    }
    EXPECT_EQ(7u, cache.Size());
}

TEST(FontManager, UnterminatedFaceNameIsReadNoFurtherThanItsField) {
    textrun::FontManager cache;
    tagPassLOGFONT unterminated = Describe("", -21);
    std::memset(unterminated.lfFaceName, 'A', sizeof unterminated.lfFaceName);
    const HFONT font = Get(cache, unterminated);
    // The key keeps 31 bytes of the name, so the 31-byte name is the same key.
    tagPassLOGFONT prefix = Describe("", -21);
    std::memset(prefix.lfFaceName, 'A', sizeof prefix.lfFaceName - 1);
    EXPECT_EQ(font, Get(cache, prefix));
    EXPECT_EQ(1u, cache.Size());
}

TEST(FontManager, DeletesItsFontsWhenItGoes) {
    HFONT font = nullptr;
    {
        textrun::FontManager cache;
        font = Get(cache, Describe("IPAGothic", -30));
        ASSERT_EQ(OBJ_FONT, GetObjectType(font));
    }
    EXPECT_EQ(0u, GetObjectType(font));
}

}  // namespace
