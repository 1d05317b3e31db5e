// Text records as written: the header, the line block of a whole text or of
// a range, run records with the three length forms, and property blobs.
#include <gtest/gtest.h>

#include "appkit/archive/MemoryArchive.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/model/Text.h"

namespace {

using model::Text;
using model::TextPos;
using recordtest::Bytes;
using Data = std::vector<std::uint8_t>;

constexpr COLORREF kRed = RGB(255, 0, 0);

class RecordWriterTest : public modeltest::ModelTest {
protected:
    Data Stored(Text& text) {
        appkit::MemoryArchive archive;
        EXPECT_TRUE(text.Serialize(archive, host));
        return archive.Bytes();
    }
    Data Stored(Text& text, TextPos first, TextPos last) {
        appkit::MemoryArchive archive;
        EXPECT_TRUE(text.Serialize(archive, host, first, last));
        return archive.Bytes();
    }
    static Data StoredRun(const model::Paragraph& run) {
        appkit::MemoryArchive archive;
        run.Store(archive);
        return archive.Bytes();
    }
    // Lines of runs: each run its bytes and colour.
    static void AddLine(Text& text, std::vector<std::pair<std::string, COLORREF>> runs) {
        auto line = std::make_unique<model::Line>();
        for (const auto& [bytes, color] : runs) modeltest::AddRun(*line, bytes, color);
        text.AppendLine(std::move(line));
    }
    static std::unique_ptr<model::Paragraph> RunWith(comkit::ComPtr<IViviFont> effect) {
        auto run = modeltest::MakeRun("ab");
        run->SetEffect(std::move(effect));
        return run;
    }

    recordtest::TestRecordHost host;
};

TEST_F(RecordWriterTest, EmptyBlackTextIsEightyBytes) {
    Text text;
    const Data expected = Bytes().Header(3, 0).Dword(0).Dword(1).EndMarker().data;
    EXPECT_EQ(80u, expected.size());
    EXPECT_EQ(expected, Stored(text));
}

TEST_F(RecordWriterTest, RunOfTwoCharactersByteForByte) {
    Text text;
    AddLine(text, {{"AB", RGB(255, 255, 255)}});
    // The face is the run's entry of the installed-font table, whichever
    // face that is on this machine.
    const Data expected = Bytes()
                              .Raw(Data{0x02, 0x41, 0x42, 0x10, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00})
                              .String(text.LineAt(0)->Run(0).FaceName())
                              .Byte(0x26)
                              .Raw("{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}")
                              .data;
    EXPECT_EQ(expected, StoredRun(text.LineAt(0)->Run(0)));
    EXPECT_EQ(Bytes().Header().Dword(1).Dword(1).Raw(expected).Dword(1).EndMarker().data, Stored(text));
}

TEST_F(RecordWriterTest, WholeTextCarriesItsBackgroundAndEveryLine) {
    Text text;
    AddLine(text, {{"ab", RGB(255, 255, 255)}, {"cd", kRed}});
    text.AppendLine(std::make_unique<model::Line>());
    AddLine(text, {{modeltest::Sjis(L"日本"), RGB(255, 255, 255)}});
    text.SetBkColor(RGB(1, 2, 3));
    Bytes expected;
    expected.Header(3, 0x030201).Dword(3);
    expected.Dword(2).DefaultRun("ab").Run("cd", 16, kRed, recordtest::DefaultFace(), recordtest::kStaticText);
    expected.Dword(0);
    expected.Dword(1).DefaultRun(modeltest::Sjis(L"日本"));
    expected.Dword(1).EndMarker();
    EXPECT_EQ(expected.data, Stored(text));
}

TEST_F(RecordWriterTest, StringLengthForms) {
    const struct {
        std::size_t length;
        Data prefix;
    } cases[] = {
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const Data stored = StoredRun(*modeltest::MakeRun(std::string(c.length, 'x')));
        ASSERT_GT(stored.size(), c.prefix.size() + c.length);
        EXPECT_EQ(c.prefix, Data(stored.begin(), stored.begin() + c.prefix.size()));
        EXPECT_EQ('x', stored[c.prefix.size() + c.length - 1]);
        // The point size follows the text directly.
        EXPECT_EQ(16, stored[c.prefix.size() + c.length]);
    }
}

TEST_F(RecordWriterTest, RangesWithinOneLine) {
    Text text;
    AddLine(text, {{"abcdef", RGB(255, 255, 255)}});
    AddLine(text, {{modeltest::Sjis(L"日本語"), RGB(255, 255, 255)}});
    AddLine(text, {{"ab", RGB(255, 255, 255)}, {"cd", kRed}});
    // Only the selected characters, and the line is not changed.
    EXPECT_EQ(Bytes().Header().Dword(1).Dword(1).DefaultRun("bcd").Dword(0).EndMarker().data,
              Stored(text, {1, 0}, {4, 0}));
    EXPECT_EQ("abcdef", text.LineAt(0)->Run(0).Bytes());
    // Columns count characters: a double-byte character is never split.
    EXPECT_EQ(Bytes().Header().Dword(1).Dword(1).DefaultRun(modeltest::Sjis(L"本")).Dword(0).EndMarker().data,
              Stored(text, {1, 1}, {2, 1}));
    // A range that ends where a run starts writes that run without characters.
    Bytes endsOnABorder;
    endsOnABorder.Header().Dword(1);
    endsOnABorder.Dword(2).DefaultRun("b").Run("", 16, kRed, recordtest::DefaultFace(), recordtest::kStaticText);
    endsOnABorder.Dword(0).EndMarker();
    EXPECT_EQ(endsOnABorder.data, Stored(text, {1, 2}, {2, 2}));
}

TEST_F(RecordWriterTest, RangeOverSeveralLines) {
    Text text;
    AddLine(text, {{"abc", RGB(255, 255, 255)}});
    text.AppendLine(std::make_unique<model::Line>());
    AddLine(text, {{"de", RGB(255, 255, 255)}, {"fg", kRed}});
    AddLine(text, {{"hij", RGB(255, 255, 255)}});
    Bytes expected;
    expected.Header().Dword(4);
    expected.Dword(1).DefaultRun("bc");
    expected.Dword(0);
    expected.Dword(2).DefaultRun("de").Run("fg", 16, kRed, recordtest::DefaultFace(), recordtest::kStaticText);
    expected.Dword(1).DefaultRun("h");
    expected.Dword(0).EndMarker();
    EXPECT_EQ(expected.data, Stored(text, {1, 0}, {1, 3}));
    // A range that names no line writes an empty block, still a record.
    EXPECT_EQ(Bytes().Header().Dword(0).Dword(0).EndMarker().data, Stored(text, {0, 2}, {0, 9}));
}

TEST_F(RecordWriterTest, EffectWithSettingsCarriesItsSavedRecord) {
    const auto run = recordtest::RainRun("ab", 7, 9);
    const Data block = recordtest::Summary(*run).settings;
    ASSERT_EQ(49u, block.size());
    Bytes expected;
    expected.Run("ab", 24, RGB(255, 0, 0), recordtest::DefaultFace(), recordtest::kRainText);
    expected.Dword(49).Dword(2).Raw(block);
    EXPECT_EQ(expected.data, StoredRun(*run));
}

TEST_F(RecordWriterTest, SaveThatGivesNoUsableRecordWritesAnEmptyBlob) {
    using Save = testsupport::FakeEffectLog::Save;
    auto log = std::make_shared<testsupport::FakeEffectLog>();
    log->payload = {1, 2, 3};
    const auto run = RunWith(recordtest::MakeFakeEffect(log, recordtest::kUnknownClass, true));
    const Data head = Bytes().Run("ab", 16, 0xFFFFFF, recordtest::DefaultFace(), recordtest::kUnknownText).data;

    EXPECT_EQ(Bytes().Raw(head).Dword(3).Dword(2).Raw(log->payload).data, StoredRun(*run));
    for (Save save : {Save::Fails, Save::NoRecord, Save::Oversized}) {
        log->save = save;
        EXPECT_EQ(Bytes().Raw(head).Dword(0).Dword(0).data, StoredRun(*run));
    }
}

TEST_F(RecordWriterTest, BlobOnlyForEffectsWithSettingsAndNeverForStatic) {
    auto log = std::make_shared<testsupport::FakeEffectLog>();
    EXPECT_EQ(Bytes().Run("ab", 16, 0xFFFFFF, recordtest::DefaultFace(), recordtest::kUnknownText).data,
              StoredRun(*RunWith(recordtest::MakeFakeEffect(log, recordtest::kUnknownClass, false))));

    log->payload = {1, 2, 3};
    EXPECT_EQ(Bytes().DefaultRun("ab").data,
              StoredRun(*RunWith(recordtest::MakeFakeEffect(log, recordtest::StaticClass(), true))));
}

}  // namespace
