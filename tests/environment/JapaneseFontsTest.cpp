#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "winkit/AnsiText.h"
#include "winkit/GdiHandles.h"

namespace {

TEST(Environment, RunsInTheJapaneseCodePage) { EXPECT_EQ(932u, GetACP()); }

// The faces documents name, proportional ("Ｐ") or not.
constexpr struct {
    const wchar_t* face;
    bool proportional;
} kDocumentFaces[] = {
    {L"ＭＳ Ｐゴシック", true}, {L"ＭＳ ゴシック", false}, {L"ＭＳ Ｐ明朝", true}, {L"ＭＳ 明朝", false}};

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces) {
    reinterpret_cast<std::set<std::string>*>(faces)->insert(font->lfFaceName);
    return 1;
}

// The viewer's table of installed faces is what Windows enumerates: a face
// that is only a substitute would be missing there, and runs naming it would
// lose it.
TEST(Environment, TheDocumentsJapaneseFacesAreEnumerated) {
    std::set<std::string> enumerated;
    winkit::ScreenDC screen;
    LOGFONTA everyFace{};
    everyFace.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen.get(), &everyFace, CollectFace, reinterpret_cast<LPARAM>(&enumerated), 0);
    for (std::size_t i = 0; i < std::size(kDocumentFaces); ++i)
        EXPECT_EQ(1u, enumerated.count(winkit::ToAnsi(kDocumentFaces[i].face, 932))) << "face " << i;
}

// They must reach the IPA face of their kind, drawing kanji rather than boxes.
TEST(Environment, TheDocumentsJapaneseFacesReachTheirIpaFaces) {
    for (std::size_t i = 0; i < std::size(kDocumentFaces); ++i) {
        const auto& [face, proportional] = kDocumentFaces[i];
        SCOPED_TRACE(testing::Message() << "face " << i);
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
