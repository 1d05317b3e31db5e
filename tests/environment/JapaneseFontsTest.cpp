#include <gtest/gtest.h>

#include "winkit/GdiHandles.h"

namespace {

TEST(Environment, RunsInTheJapaneseCodePage) { EXPECT_EQ(932u, GetACP()); }

// Documents name these faces: they must reach the IPA face of their kind,
// proportional for "Ｐ", drawing kanji rather than boxes.
TEST(Environment, TheDocumentsJapaneseFacesReachTheirIpaFaces) {
    const struct {
        const wchar_t* face;
        bool proportional;
    } faces[] = {{L"ＭＳ Ｐゴシック", true}, {L"ＭＳ ゴシック", false}};
    for (const auto& [face, proportional] : faces) {
        SCOPED_TRACE(testing::Message() << "face " << static_cast<int>(proportional));
        LOGFONTW description{};
        description.lfHeight = -24;
        description.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(description.lfFaceName, face, LF_FACESIZE);
        winkit::Font font(CreateFontIndirectW(&description));
        winkit::ScreenDC screen;
        winkit::Selection selected(screen.get(), font.get());
        TEXTMETRICW metrics{};
        ASSERT_TRUE(GetTextMetricsW(screen.get(), &metrics));
        // The bit named "fixed pitch" is set for variable-pitch fonts.
        EXPECT_EQ(proportional, (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0);
        WORD glyph = 0;
        ASSERT_EQ(1u, GetGlyphIndicesW(screen.get(), L"日", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS));
        EXPECT_NE(0xFFFF, glyph);
    }
}

}  // namespace
