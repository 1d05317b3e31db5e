// Copy: the plain text and private-format bytes of a range, read back by a
// second program after the data object is gone, the record inside the
// private data read back into runs with the faces the document named, and an
// empty range refused.
#include <cstdint>
#include <cstring>

#include "appkit/archive/MemoryArchive.h"
#include "effects/static/StaticFont.h"
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/interaction/ClipboardCopy.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using model::TextPos;

Bytes BytesOf(HGLOBAL block) {
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(block));
    Bytes copy(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    return copy;
}

Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

class ClipboardTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        text_ = std::make_unique<model::Text>();
        model::Text& text = *text_;
        auto first = std::make_unique<model::Line>();
        modeltest::AddRun(*first, "xA");
        modeltest::AddRun(*first, "By", RGB(255, 0, 0));
        text.AppendLine(std::move(first));
        auto second = std::make_unique<model::Line>();
        modeltest::AddRun(*second, modeltest::Sjis(L"日本"));
        text.AppendLine(std::move(second));
    }
    void TearDown() override {
        text_.reset();
        ModelTest::TearDown();
    }

    // Made once the test's effects are installed.
    std::unique_ptr<model::Text> text_;
};

TEST_F(ClipboardTest, PlainTextIsTheRangesBytesLinesApartThenANul) {
    EXPECT_EQ(BytesOf(std::string_view("AB\0", 3)),
              BytesOf(interaction::RenderPlainText(*text_, {1, 0}, {3, 0}).get()));
    EXPECT_EQ(BytesOf(std::string_view("By\n\x93\xfa\0", 6)),
              BytesOf(interaction::RenderPlainText(*text_, {2, 0}, {1, 1}).get()));
}

TEST_F(ClipboardTest, PrivateDataIsALengthThenTheRangesRecord) {
    const Bytes data = BytesOf(interaction::RenderPrivateFormat(*text_, {1, 0}, {1, 1}).get());
    ASSERT_GT(data.size(), 4u);
    std::uint32_t length = 0;
    std::memcpy(&length, data.data(), 4);
    ASSERT_EQ(data.size() - 4, length);

    appkit::MemoryArchive archive{std::span<const std::uint8_t>(data).subspan(4)};
    auto host = recordtest::TestRecordHost::WithStaticAndRain();
    model::Text copy;
    ASSERT_TRUE(copy.Serialize(archive, host));
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(2, copy.LineCount());
    EXPECT_EQ((std::vector<std::string>{"A", "By"}), modeltest::RunTexts(*copy.LineAt(0)));
    EXPECT_EQ(RGB(255, 0, 0), copy.LineAt(0)->Run(1).Color());
    EXPECT_EQ(std::vector<std::string>{modeltest::Sjis(L"日")}, modeltest::RunTexts(*copy.LineAt(1)));
    CLSID effect{};
    copy.LineAt(0)->Run(0).Effect()->GetCLSID(&effect);
    EXPECT_TRUE(IsEqualCLSID(StaticFont::ClassId(), effect));
}

// Documents name the Japanese faces; a document read and copied keeps them.
TEST_F(ClipboardTest, TheFacesADocumentNamesSurviveItsLoadAndACopy) {
    const std::vector<std::string> faces{modeltest::Sjis(L"ＭＳ Ｐゴシック"), modeltest::Sjis(L"ＭＳ ゴシック"),
                                         modeltest::Sjis(L"ＭＳ Ｐ明朝"), modeltest::Sjis(L"ＭＳ 明朝")};
    model::Text document;
    auto line = std::make_unique<model::Line>();
    for (const std::string& face : faces) {
        auto run = modeltest::MakeRun("ab", RGB(0, 0, static_cast<BYTE>(line->RunCount())));
        ASSERT_TRUE(run->SetFaceName(face.c_str())) << "not an installed face: " << face;
        line->AppendRun(std::move(run));
    }
    document.AppendLine(std::move(line));
    auto host = recordtest::TestRecordHost::WithStaticAndRain();
    appkit::MemoryArchive stored;
    document.Serialize(stored, host);

    const auto facesOf = [](const model::Line& runs) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < runs.RunCount(); ++i) names.push_back(runs.Run(i).FaceName());
        return names;
    };
    model::Text loaded;
    appkit::MemoryArchive reading(stored.Bytes());
    ASSERT_TRUE(loaded.Serialize(reading, host));
    ASSERT_EQ(1, loaded.LineCount());
    EXPECT_EQ(faces, facesOf(*loaded.LineAt(0)));

    const Bytes data = BytesOf(interaction::RenderPrivateFormat(loaded, {0, 0}, {8, 0}).get());
    ASSERT_GT(data.size(), 4u);
    appkit::MemoryArchive copied{std::span<const std::uint8_t>(data).subspan(4)};
    model::Text pasted;
    ASSERT_TRUE(pasted.Serialize(copied, host));
    ASSERT_EQ(1, pasted.LineCount());
    EXPECT_EQ(faces, facesOf(*pasted.LineAt(0)));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ClipboardTest, TheCopyStaysOnTheClipboardForOtherPrograms) {
    ASSERT_TRUE(interaction::CopyToClipboard(*text_, {1, 0}, {1, 1}));
    const auto read = interactiontest::ReadClipboardInAnotherProgram();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(BytesOf(interaction::RenderPlainText(*text_, {1, 0}, {1, 1}).get()), read->text);
    EXPECT_EQ(BytesOf(interaction::RenderPrivateFormat(*text_, {1, 0}, {1, 1}).get()), read->writer);
}

TEST_F(ClipboardTest, AnEmptyRangeLeavesTheClipboardAlone) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, interaction::FilledBlock(GMEM_MOVEABLE, {}, BytesOf(std::string_view("keep", 5))).release());
    CloseClipboard();

    EXPECT_FALSE(interaction::CopyToClipboard(*text_, {1, 0}, {1, 0}));
    EXPECT_FALSE(interaction::CopyToClipboard(*text_, {1, 1}, {1, 0}));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(nullptr, data);
    EXPECT_STREQ("keep", static_cast<const char*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
}

}  // namespace
