// A run as the effects read it, its style operations, and the state all runs
// of the process share.
#include <gtest/gtest.h>

#include "comkit/TaskMem.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "textrun/Cp932.h"
#include "textrun/RunShared.h"

namespace {

using model::Paragraph;
using textrun::RunShared;
using modeltest::MakeRun;
using modeltest::Sjis;

class ParagraphTest : public modeltest::ModelTest {};

TEST(Cp932, LeadBytesAreTheTwoFixedRangesWhateverTheLocale) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(lead, textrun::cp932::IsLeadByte(static_cast<unsigned char>(byte))) << byte;
    }
}

std::wstring StringOf(Paragraph& run) {
    comkit::TaskMemString text;
    EXPECT_EQ(S_OK, run.GetString(text.put()));
    return std::wstring(text.view());
}

wchar_t CharAt(Paragraph& run, int index) {
    short unit = -1;
    EXPECT_EQ(S_OK, run.GetCharactor(index, &unit));
    return static_cast<wchar_t>(unit);
}

int LengthOf(Paragraph& run) {
    int length = -1;
    EXPECT_EQ(S_OK, run.Length(&length));
    return length;
}

TEST_F(ParagraphTest, EffectsReadCharactersNotBytes) {
    auto run = MakeRun(Sjis(L"aあb"));
    EXPECT_EQ(3, LengthOf(*run));
    EXPECT_EQ(3, run->CharToByte(2));
    EXPECT_EQ(L"aあb", StringOf(*run));
    EXPECT_EQ(L'a', CharAt(*run, -1));
    EXPECT_EQ(L'あ', CharAt(*run, 1));
    EXPECT_EQ(0, CharAt(*run, 3));
    EXPECT_EQ(0, CharAt(*run, 1000));
}

TEST_F(ParagraphTest, SingleBytesAreWidenedButTheStringIsConverted) {
    auto run = MakeRun("\xB1" "A");  // half-width katakana A, then A
    EXPECT_EQ(0x00B1, CharAt(*run, 0));
    EXPECT_EQ(L"\xFF71" L"A", StringOf(*run));
}

TEST_F(ParagraphTest, LoneTrailingLeadByteStaysWithinTheText) {
    auto run = MakeRun("ab\x82");
    EXPECT_EQ(3, LengthOf(*run));
    EXPECT_EQ(3, run->CharToByte(3));
    EXPECT_EQ(3, run->CharToByte(4));
    EXPECT_EQ(0x82, CharAt(*run, 2));
    EXPECT_EQ(0, CharAt(*run, 3));
    const std::wstring text = StringOf(*run);
    EXPECT_LE(text.size(), 3u);
    EXPECT_EQ(L"ab", text.substr(0, 2));
    run->EraseCharAt(2);
    EXPECT_EQ("ab", run->Bytes());
}

TEST_F(ParagraphTest, StartsWithTheDocumentsDefaults) {
    Paragraph run;
    EXPECT_EQ(16, run.Points());
    EXPECT_EQ(RGB(255, 255, 255), run.Color());
    EXPECT_EQ(RGB(0, 0, 0), run.BkColor());
    ASSERT_NE(nullptr, run.Effect());
    const int preferred = textrun::FindFace(RunShared::InstalledFonts(), Sjis(L"ＭＳ Ｐゴシック").c_str());
    EXPECT_EQ(preferred >= 0 ? preferred : 0, run.FontIndex());
}

TEST_F(ParagraphTest, LogFontIsTheTableEntryAtTheScreensResolution) {
    auto run = MakeRun("x");
    run->SetPoints(24);
    tagPassLOGFONT font{};
    ASSERT_EQ(S_OK, run->GetLOGFONT(&font));
    EXPECT_EQ(-MulDiv(24, RunShared::ScreenDpi(), 72), font.lfHeight);
    EXPECT_EQ(FW_NORMAL, font.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, font.lfCharSet);
    EXPECT_EQ(0, font.lfItalic);
    EXPECT_EQ(run->FaceName(), font.lfFaceName);
    EXPECT_FALSE(run->FaceName().empty());
}

TEST_F(ParagraphTest, AnswersOnlyForItsOwnInterface) {
    Paragraph run;
    void* out = &run;
    EXPECT_EQ(E_NOINTERFACE, run.QueryInterface(IID_IUnknown, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(E_NOINTERFACE, run.QueryInterface(IID_IViviFont, &out));
    EXPECT_EQ(S_OK, run.QueryInterface(IID_IParagraphAccess, &out));
    EXPECT_EQ(static_cast<IParagraphAccess*>(&run), out);
    EXPECT_EQ(0u, run.AddRef());
    EXPECT_EQ(0u, run.Release());
}

TEST_F(ParagraphTest, SplitsKeepTheStyleOnBothHalves) {
    auto run = MakeRun(Sjis(L"日本語"), modeltest::kStyleY);
    auto tail = run->SplitAt(1);
    EXPECT_EQ(Sjis(L"日"), run->Bytes());
    EXPECT_EQ(Sjis(L"本語"), tail->Bytes());
    EXPECT_EQ(modeltest::kStyleY, tail->Color());
    EXPECT_NE(run->Effect(), tail->Effect());

    auto head = tail->SplitBefore(1);
    EXPECT_EQ(Sjis(L"本"), head->Bytes());
    EXPECT_EQ(Sjis(L"語"), tail->Bytes());

    auto whole = tail->SplitAt(0);
    EXPECT_EQ("", tail->Bytes());
    EXPECT_EQ(Sjis(L"語"), whole->Bytes());
}

TEST_F(ParagraphTest, SameStyleComparesOnlyTheMaskedProperties) {
    auto a = MakeRun("a");
    auto b = MakeRun("b");
    b->SetBkColor(RGB(0, 0, 255));
    EXPECT_TRUE(a->SameStyle(*b, model::kStyleAll));
    b->SetPoints(20);
    EXPECT_FALSE(a->SameStyle(*b, model::kStylePoints));
    EXPECT_TRUE(a->SameStyle(*b, model::kStyleAll & ~model::kStylePoints));
    EXPECT_TRUE(a->SameStyle(*b, 0));
}

TEST_F(ParagraphTest, AppendJoinsEqualStylesKeepingThisBackground) {
    auto a = MakeRun("ab");
    auto b = MakeRun("cd");
    b->SetBkColor(RGB(0, 0, 255));
    EXPECT_TRUE(a->Append(*b));
    EXPECT_EQ("abcd", a->Bytes());
    EXPECT_EQ(RGB(0, 0, 0), a->BkColor());
    EXPECT_EQ("cd", b->Bytes());
    b->SetColor(modeltest::kStyleY);
    EXPECT_FALSE(a->Append(*b));
    EXPECT_EQ("abcd", a->Bytes());
}

TEST_F(ParagraphTest, SharedStateLivesExactlyAsLongAsTheRuns) {
    ASSERT_EQ(0, RunShared::LiveCount());
    EXPECT_EQ(nullptr, RunShared::Fonts());
    HFONT font = nullptr;
    {
        Paragraph first;
        EXPECT_FALSE(RunShared::InstalledFonts().empty());
        textrun::FontManager* cache = RunShared::Fonts();
        ASSERT_NE(nullptr, cache);
        {
            Paragraph second;
            EXPECT_EQ(2, RunShared::LiveCount());
            EXPECT_EQ(cache, RunShared::Fonts());
        }
        tagPassLOGFONT logFont{};
        first.GetLOGFONT(&logFont);
        cache->GetFontIndirect(&logFont, &font);
        EXPECT_EQ(OBJ_FONT, GetObjectType(font));
    }
    EXPECT_EQ(0, RunShared::LiveCount());
    EXPECT_EQ(nullptr, RunShared::Fonts());
    EXPECT_TRUE(RunShared::InstalledFonts().empty());
    EXPECT_EQ(0u, GetObjectType(font));

    Paragraph again;
    EXPECT_FALSE(RunShared::InstalledFonts().empty());
    EXPECT_NE(nullptr, RunShared::Fonts());
}

}  // namespace
