// Plain text: the bytes of a whole text or a range with line feeds between
// lines, and lines read back into a text in its style.
#include <gtest/gtest.h>

#include "appkit/archive/MemoryArchive.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/PlainText.h"
#include "viewer/model/Text.h"

namespace {

using model::Text;
using model::TextPos;
using Lines = std::vector<std::string>;

class PlainTextTest : public modeltest::ModelTest {
protected:
    static void AddLine(Text& text, const std::vector<std::pair<std::string, COLORREF>>& runs) {
        auto line = std::make_unique<model::Line>();
        for (const auto& [bytes, color] : runs) modeltest::AddRun(*line, bytes, color);
        text.AppendLine(std::move(line));
    }
    static std::unique_ptr<Text> MakeText(const Lines& lines) {
        auto text = std::make_unique<Text>();
        for (const std::string& bytes : lines) {
            if (bytes.empty()) {
                text->AppendLine(std::make_unique<model::Line>());
            } else {
                AddLine(*text, {{bytes, modeltest::kStyleX}});
            }
        }
        return text;
    }
    static std::string Written(Text& text) {
        appkit::MemoryArchive archive;
        text.SerializePlain(archive);
        return {archive.Bytes().begin(), archive.Bytes().end()};
    }
    static std::string Written(Text& text, TextPos first, TextPos last) {
        appkit::MemoryArchive archive;
        text.SerializePlain(archive, first, last);
        return {archive.Bytes().begin(), archive.Bytes().end()};
    }
    static void Read(Text& text, std::string_view bytes) {
        appkit::MemoryArchive archive({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        text.SerializePlain(archive);
        EXPECT_TRUE(archive.AtEnd());
    }
    static Lines LinesOf(Text& text) { return modeltest::LineTexts(text); }
};

TEST_F(PlainTextTest, EveryLineEndsWithALineFeed) {
    EXPECT_EQ("ab\n\n", Written(*MakeText({"ab", ""})));
    EXPECT_EQ("", Written(*MakeText({})));
    Text styled;
    AddLine(styled, {{"ab", modeltest::kStyleX}, {modeltest::Sjis(L"日本"), modeltest::kStyleY}});
    EXPECT_EQ(modeltest::Sjis(L"ab日本\n"), Written(styled));
}

TEST_F(PlainTextTest, RangesHaveNoLineFeedAfterTheirLastLine) {
    auto text = MakeText({"abc", "de", "fgh"});
    EXPECT_EQ("bc\nde\nf", Written(*text, {1, 0}, {1, 2}));
    EXPECT_EQ("b", Written(*text, {1, 0}, {2, 0}));
    EXPECT_EQ("gh", Written(*text, {1, 2}, {model::kEndOfLine, 2}));

    // Columns count characters, across runs.
    Text styled;
    AddLine(styled, {{"ab", modeltest::kStyleX}, {modeltest::Sjis(L"日本語"), modeltest::kStyleY}});
    EXPECT_EQ(modeltest::Sjis(L"b日本"), Written(styled, {1, 0}, {4, 0}));
    EXPECT_EQ(modeltest::Sjis(L"本"), Written(styled, {3, 0}, {4, 0}));
    EXPECT_EQ("", Written(styled, {2, 0}, {2, 0}));
}

TEST_F(PlainTextTest, ReadLineEndings) {
    const struct {
        std::string input;
        Lines lines;
        std::vector<bool> endedByLineFeed;
    } cases[] = {
        {"x\nyz", {"x", "yz"}, {true, false}},
        {"a\r\nb\r\n", {"a", "b"}, {true, true}},
        {"lone\rcr\n", {"lone\rcr"}, {true}},
        {std::string(128, 'p'), {std::string(128, 'p')}, {false}},
        {std::string(256, 'q'), {std::string(256, 'q')}, {false}},
        {std::string(300, 'r') + "\n", {std::string(300, 'r')}, {true}},
        {"\n\n", {"", ""}, {true, true}},
        {"", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.substr(0, 16));
        appkit::MemoryArchive archive({reinterpret_cast<const std::uint8_t*>(c.input.data()), c.input.size()});
        Lines lines;
        std::vector<bool> flags;
        std::string line;
        bool endedByLineFeed = false;
        while (model::ReadArchiveLine(archive, line, endedByLineFeed)) {
            lines.push_back(line);
            flags.push_back(endedByLineFeed);
        }
        EXPECT_EQ(c.lines, lines);
        EXPECT_EQ(c.endedByLineFeed, flags);
    }
}

TEST_F(PlainTextTest, LinesReadTakeTheTextsStyle) {
    Text text;
    text.SetBkColor(RGB(0, 0, 128));
    Read(text, modeltest::Sjis(std::wstring(L"ab\n\n日本\0c", 8)));
    EXPECT_EQ((Lines{"ab", "", modeltest::Sjis(L"日本c")}), LinesOf(text));
    EXPECT_EQ(0u, text.LineAt(1)->RunCount());
    const model::Paragraph& run = text.LineAt(0)->Run(0);
    EXPECT_EQ(RGB(0, 0, 128), run.BkColor());
    EXPECT_EQ(text.TemplateLine().DefaultRun().Points(), run.Points());
    EXPECT_EQ(text.TemplateLine().DefaultRun().Color(), run.Color());

    // More lines join the end of the last one.
    Read(text, "d\ne");
    EXPECT_EQ((Lines{"ab", "", modeltest::Sjis(L"日本cd"), "e", ""}), LinesOf(text));
}

}  // namespace
