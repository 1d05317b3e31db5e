#include <gtest/gtest.h>

#include <string>

#include "winkit/GdiHandles.h"

namespace {

TEST(Environment, RunsInTheJapaneseCodePage) { EXPECT_EQ(932u, GetACP()); }

// Documents name these faces; they must reach an IPA face that draws kanji,
// not a fallback font that draws Japanese as boxes.
TEST(Environment, TheDocumentsJapaneseFacesDrawKanjiInAnIpaFace) {
    for (const char* face : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック"}) {
        LOGFONTA description{};
        description.lfHeight = -24;
        description.lfCharSet = DEFAULT_CHARSET;
        lstrcpynA(description.lfFaceName, face, LF_FACESIZE);
        winkit::Font font(CreateFontIndirectA(&description));
        winkit::ScreenDC screen;
        winkit::Selection selected(screen.get(), font.get());
        char used[LF_FACESIZE] = {};
        GetTextFaceA(screen.get(), LF_FACESIZE, used);
        const std::string name = used;
        EXPECT_NE(std::string::npos, name.find("IPA")) << face << " -> " << name;
        WORD glyph = 0;
        ASSERT_EQ(1u, GetGlyphIndicesW(screen.get(), L"日", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS)) << face;
        EXPECT_NE(0xFFFF, glyph) << face;
    }
}

}  // namespace
