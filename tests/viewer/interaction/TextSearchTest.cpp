// Finding text: the three directions without wrap-around, half-width case
// folding only when asked, double-byte columns, and no match that starts
// inside a character or that an empty line borrows from the line before.
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "viewer/interaction/TextSearch.h"

namespace interactiontest {
namespace {

using interaction::FoundRange;
using interaction::TextSearch;
using modeltest::Sjis;

class TextSearchTest : public InteractionTest {
protected:
    std::unique_ptr<model::Text> Lines(const std::vector<std::string>& lines) {
        auto text = std::make_unique<model::Text>();
        AddLines(*text, lines);
        return text;
    }
};

TEST_F(TextSearchTest, FoldingTouchesOnlySingleByteCapitals) {
    std::string bytes = Sjis(L"ABCｱabＡＢ1");
    interaction::FoldHalfWidthCase(bytes);
    EXPECT_EQ(Sjis(L"abcｱabＡＢ1"), bytes);
    // A lead byte takes the byte after it along, even when that is a capital.
    std::string kana = Sjis(L"アA");
    ASSERT_EQ('A', kana[1]);
    interaction::FoldHalfWidthCase(kana);
    EXPECT_EQ(Sjis(L"アa"), kana);
}

TEST_F(TextSearchTest, CaseIsIgnoredOnlyWhenAskedAndOnlyForHalfWidthLetters) {
    auto text = Lines({"xaBc", Sjis(L"ａｂｃ")});
    EXPECT_EQ((FoundRange{1, 4, 0}), TextSearch("ABC", true).FromStart(*text));
    EXPECT_EQ(std::nullopt, TextSearch("ABC", false).FromStart(*text));
    EXPECT_EQ(std::nullopt, TextSearch(Sjis(L"ＡＢＣ"), true).FromStart(*text));
}

TEST_F(TextSearchTest, DownAndUpStopAtTheTextEnds) {
    auto text = Lines({"abab"});
    const TextSearch search("ab", false);
    EXPECT_EQ((FoundRange{0, 2, 0}), search.Down(*text, {0, 0}));
    EXPECT_EQ((FoundRange{2, 4, 0}), search.Down(*text, {2, 0}));
    EXPECT_EQ(std::nullopt, search.Down(*text, {4, 0}));
    EXPECT_EQ((FoundRange{2, 4, 0}), search.Up(*text, {4, 0}));
    EXPECT_EQ((FoundRange{0, 2, 0}), search.Up(*text, {2, 0}));
    EXPECT_EQ(std::nullopt, search.Up(*text, {1, 0}));
}

TEST_F(TextSearchTest, SearchesGoOnOverTheFollowingLines) {
    auto text = Lines({"ab", "cd ab ab", "x"});
    const TextSearch search("ab", false);
    EXPECT_EQ((FoundRange{3, 5, 1}), search.Down(*text, {1, 0}));
    EXPECT_EQ((FoundRange{6, 8, 1}), search.Up(*text, {0, 2}));
    EXPECT_EQ((FoundRange{0, 2, 0}), search.Up(*text, {3, 1}));
    EXPECT_EQ((FoundRange{0, 2, 0}), search.FromStart(*text));
}

TEST_F(TextSearchTest, ColumnsCountDoubleByteCharacters) {
    auto text = Lines({Sjis(L"日本語本語")});
    EXPECT_EQ((FoundRange{2, 4, 0}), TextSearch(Sjis(L"語本"), false).FromStart(*text));
    EXPECT_EQ((FoundRange{3, 5, 0}), TextSearch(Sjis(L"本語"), false).Down(*text, {2, 0}));
}

TEST_F(TextSearchTest, NoMatchStartsOnASecondByte) {
    // The second byte of ア is the letter A.
    auto text = Lines({Sjis(L"アx")});
    EXPECT_EQ(std::nullopt, TextSearch("A", false).FromStart(*text));
    EXPECT_EQ(std::nullopt, TextSearch("a", true).FromStart(*text));
}

TEST_F(TextSearchTest, AnEmptyLineOrPatternFindsNothing) {
    auto text = Lines({"ab", "", "x"});
    // The empty line must not be searched as the line read before it.
    EXPECT_EQ(std::nullopt, TextSearch("ab", false).Down(*text, {1, 0}));
    EXPECT_EQ(std::nullopt, TextSearch("", false).FromStart(*text));
}

}  // namespace
}  // namespace interactiontest
