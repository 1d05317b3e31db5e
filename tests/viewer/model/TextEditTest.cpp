// Editing a text of lines: joins and splits across lines, range copies
// (fragments with an open last line) and their insertion.
#include <gtest/gtest.h>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/Text.h"

namespace {

using model::Text;
using model::TextPos;
using Lines = std::vector<std::string>;

class TextEditTest : public modeltest::FakeTest {
protected:
    static std::unique_ptr<Text> MakeText(const Lines& lines, bool open = false) {
        auto text = std::make_unique<Text>();
        for (const std::string& bytes : lines) {
            auto line = std::make_unique<model::Line>();
            if (!bytes.empty()) modeltest::AddRun(*line, bytes);
            text->AppendLine(std::move(line));
        }
        text->SetLastLineOpen(open);
        return text;
    }

    static Lines LinesOf(Text& text) { return modeltest::LineTexts(text); }
};

TEST_F(TextEditTest, DeleteCharAtALineEndJoinsTheNextLine) {
    auto text = MakeText({"ab", "cd"});
    text->DeleteChar({1, 0});
    EXPECT_EQ((Lines{"a", "cd"}), LinesOf(*text));
    text->DeleteChar({1, 0});
    EXPECT_EQ((Lines{"acd"}), LinesOf(*text));
    EXPECT_EQ(1u, text->LineAt(0)->RunCount());
    text->DeleteChar({model::kEndOfLine, 0});
    EXPECT_EQ((Lines{"acd"}), LinesOf(*text));
}

TEST_F(TextEditTest, DeleteRangeAcrossLines) {
    auto emptied = MakeText({"xx", "abcd", "efgh", "ijklm", "yy"});
    emptied->DeleteRange({0, 1}, {3, 3});
    EXPECT_EQ((Lines{"xx", "lm", "yy"}), LinesOf(*emptied));

    auto joined = MakeText({"xx", "abcd", "efgh", "ijklm"});
    joined->DeleteRange({2, 1}, {3, 2});
    EXPECT_EQ((Lines{"xx", "abh", "ijklm"}), LinesOf(*joined));
}

TEST_F(TextEditTest, BadPositionsChangeNothing) {
    auto text = MakeText({"abc", "def"});
    text->DeleteRange({1, 1}, {0, 0});
    text->DeleteRange({0, 0}, {1, 5});
    text->DeleteChar({0, -1});
    text->SplitLine({0, 2});
    text->Insert(*MakeText({"x"}), {0, 9});
    EXPECT_EQ((Lines{"abc", "def"}), LinesOf(*text));
    EXPECT_EQ(nullptr, text->LineAt(2));
    EXPECT_EQ(0, text->CopyRange({0, 1}, {0, 0})->LineCount());
}

TEST_F(TextEditTest, CopyRangeMakesAnOpenFragment) {
    auto text = MakeText({"abc", "def", "ghi"});
    auto empty = text->CopyRange({1, 1}, {1, 1});
    EXPECT_EQ(1, empty->LineCount());
    EXPECT_EQ(0, empty->LineAt(0)->CharCount());
    EXPECT_TRUE(empty->LastLineOpen());

    auto two = text->CopyRange({2, 0}, {1, 1});
    EXPECT_EQ((Lines{"c", "d"}), LinesOf(*two));
    auto three = text->CopyRange({1, 0}, {model::kEndOfLine, 2});
    EXPECT_EQ((Lines{"bc", "def", "ghi"}), LinesOf(*three));
    auto inside = text->CopyRange({1, 1}, {2, 1});
    EXPECT_EQ((Lines{"e"}), LinesOf(*inside));
    EXPECT_EQ((Lines{"abc", "def", "ghi"}), LinesOf(*text));
}

TEST_F(TextEditTest, OpenFragmentJoinsTheRestOfTheLineClosedOneKeepsItApart) {
    auto open = MakeText({"abc"});
    open->Insert(*MakeText({"xy", "z"}, true), {1, 0});
    EXPECT_EQ((Lines{"axy", "zbc"}), LinesOf(*open));

    auto closed = MakeText({"abc"});
    closed->Insert(*MakeText({"xy", "z"}, false), {1, 0});
    EXPECT_EQ((Lines{"axy", "z", "bc"}), LinesOf(*closed));

    auto oneLine = MakeText({"abc", "def"});
    oneLine->Insert(*MakeText({"xy"}, true), {2, 1});
    EXPECT_EQ((Lines{"abc", "dexyf"}), LinesOf(*oneLine));
    EXPECT_EQ(1u, oneLine->LineAt(1)->RunCount());

    auto empty = std::make_unique<Text>();
    empty->Insert(*MakeText({"xy", "z"}, true), {5, 7});
    EXPECT_EQ((Lines{"xy", "z"}), LinesOf(*empty));
}

TEST_F(TextEditTest, CopiedRangeInsertedBackRestoresTheText) {
    auto text = MakeText({"abc", "def", "ghi"});
    auto fragment = text->CopyRange({1, 0}, {2, 2});
    text->DeleteRange({1, 0}, {2, 2});
    EXPECT_EQ((Lines{"ai"}), LinesOf(*text));
    text->Insert(*fragment, {1, 0});
    EXPECT_EQ((Lines{"abc", "def", "ghi"}), LinesOf(*text));
}

TEST_F(TextEditTest, InsertedRunsTakeTheReceivingBackground) {
    auto text = MakeText({"abc"});
    text->SetBkColor(RGB(0, 0, 128));
    auto fragment = MakeText({"xy", "z"});
    text->Insert(*fragment, {1, 0});
    for (int i = 0; i < text->LineCount(); ++i) {
        const model::Line& line = *text->LineAt(i);
        for (size_t r = 0; r < line.RunCount(); ++r) EXPECT_EQ(RGB(0, 0, 128), line.Run(r).BkColor());
        EXPECT_EQ(RGB(0, 0, 128), line.DefaultRun().BkColor());
    }
    EXPECT_EQ(RGB(0, 0, 0), fragment->LineAt(0)->Run(0).BkColor());
}

TEST_F(TextEditTest, SetBkColorReachesEveryRunDefaultRunAndTheLineStyle) {
    auto text = MakeText({"ab", "", "cd"});
    log.lines.clear();
    text->SetBkColor(RGB(9, 9, 9));
    EXPECT_EQ(RGB(9, 9, 9), text->BkColor());
    EXPECT_EQ(RGB(9, 9, 9), text->TemplateLine().DefaultRun().BkColor());
    for (int i = 0; i < text->LineCount(); ++i) EXPECT_EQ(RGB(9, 9, 9), text->LineAt(i)->DefaultRun().BkColor());
    // Two runs, three line default runs and the line style.
    EXPECT_EQ(6, log.Count("ChangeParagraph"));

    auto line = std::make_unique<model::Line>();
    text->AppendLine(std::move(line));
    EXPECT_EQ(RGB(9, 9, 9), text->LineAt(3)->DefaultRun().BkColor());
}

}  // namespace
