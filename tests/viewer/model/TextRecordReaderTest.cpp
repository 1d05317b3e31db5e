// Text records as read: versions 1 to 3, effects found, missing or named
// badly, blobs read, skipped or absent, the two messages, data that is not a
// record, and records whose lengths lie.
#include <gtest/gtest.h>

#include "appkit/archive/FileArchive.h"
#include "appkit/archive/MemoryArchive.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/core/TempFile.h"
#include "viewer/model/Text.h"

namespace {

using appkit::ArchiveError;
using model::Text;
using recordtest::Bytes;
using Data = std::vector<std::uint8_t>;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr UINT kWarning = MB_OK | MB_ICONEXCLAMATION;

// A Rain block unlike the defaults.
Data ChangedRainBlock() { return recordtest::Summary(*recordtest::RainRun("x", 7, 9)).settings; }

// A record of one line of `count` run records.
Data OneLine(std::uint32_t version, std::uint32_t count, const Bytes& runs) {
    return Bytes().Header(version).Dword(1).Dword(count).Raw(runs.data).Dword(1).EndMarker().data;
}

bool IsClass(const model::Paragraph& run, const CLSID& clsid) {
    CLSID answered{};
    return run.Effect() && SUCCEEDED(run.Effect()->GetCLSID(&answered)) && IsEqualCLSID(answered, clsid);
}

class RecordReaderTest : public modeltest::ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        face = recordtest::DefaultFace();
    }
    bool Load(Text& text, const Data& bytes) {
        appkit::MemoryArchive archive(bytes);
        const bool read = text.Serialize(archive, host);
        left = archive.Remaining();
        return read;
    }
    // The cause of the archive error a load ends with.
    ArchiveError::Cause Refusal(Text& text, const Data& bytes) {
        try {
            Load(text, bytes);
        } catch (const ArchiveError& error) {
            return error.cause();
        }
        ADD_FAILURE() << "the record was read";
        return ArchiveError::Cause::WrongMode;
    }
    static std::string LineText(Text& text, int line) {
        std::string bytes;
        text.LineAt(line)->GetText(bytes);
        return bytes;
    }

    recordtest::TestRecordHost host = recordtest::TestRecordHost::WithStaticAndRain();
    std::uint64_t left = 0;
    std::string face;
};

TEST_F(RecordReaderTest, VersionThreeGivesEveryRunTheRecordsBackground) {
    Bytes record;
    record.Header(3, 0x00402010).Dword(2);
    record.Dword(2).Run("ab", 24, kRed, face, recordtest::kStaticText);
    record.Run(modeltest::Sjis(L"日本"), 12, 0x00FF00, face, recordtest::kStaticText);
    record.Dword(0);
    record.Dword(1).EndMarker();
    Text text;
    ASSERT_TRUE(Load(text, record.data));
    EXPECT_EQ(0u, left);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(0x00402010u, text.BkColor());
    EXPECT_FALSE(text.LastLineOpen());
    ASSERT_EQ(2, text.LineCount());
    const model::Line& line = *text.LineAt(0);
    ASSERT_EQ(2u, line.RunCount());
    EXPECT_EQ("ab", line.Run(0).Bytes());
    EXPECT_EQ(24, line.Run(0).Points());
    EXPECT_EQ(kRed, line.Run(0).Color());
    EXPECT_EQ(modeltest::Sjis(L"日本"), line.Run(1).Bytes());
    EXPECT_EQ(12, line.Run(1).Points());
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(0x00402010u, line.Run(i).BkColor());
        EXPECT_EQ(face, line.Run(i).FaceName());
        EXPECT_TRUE(IsClass(line.Run(i), recordtest::StaticClass()));
    }
    EXPECT_EQ(0u, text.LineAt(1)->RunCount());
}

TEST_F(RecordReaderTest, VersionTwoKeepsTheTextsBackgroundAndReadsBlobs) {
    const Data block = ChangedRainBlock();
    Bytes runs;
    runs.Run("rain", 16, 0xFFFFFF, face, recordtest::kRainText).Dword(49).Dword(2).Raw(block);
    runs.DefaultRun("still");
    Text text;
    text.SetBkColor(RGB(0, 0, 128));
    ASSERT_TRUE(Load(text, OneLine(2, 2, runs)));
    EXPECT_EQ(0u, left);
    EXPECT_EQ(RGB(0, 0, 128), text.BkColor());
    const model::Line& line = *text.LineAt(0);
    ASSERT_EQ(2u, line.RunCount());
    EXPECT_TRUE(IsClass(line.Run(0), recordtest::RainClass()));
    EXPECT_EQ(block, recordtest::Summary(line.Run(0)).settings);
    EXPECT_EQ(RGB(0, 0, 128), line.Run(0).BkColor());
    EXPECT_EQ("still", line.Run(1).Bytes());
    EXPECT_TRUE(IsClass(line.Run(1), recordtest::StaticClass()));
}

TEST_F(RecordReaderTest, VersionOneHasNoBlobsAtAll) {
    Bytes runs;
    runs.Run("rain", 16, 0xFFFFFF, face, recordtest::kRainText);
    runs.Run("gone", 16, 0xFFFFFF, face, recordtest::kUnknownText);
    runs.DefaultRun("still");
    Text text;
    ASSERT_TRUE(Load(text, OneLine(1, 3, runs)));
    EXPECT_EQ(0u, left);
    EXPECT_TRUE(host.messages.empty());
    const model::Line& line = *text.LineAt(0);
    ASSERT_EQ(3u, line.RunCount());
    EXPECT_TRUE(IsClass(line.Run(0), recordtest::RainClass()));
    EXPECT_TRUE(IsClass(line.Run(1), recordtest::StaticClass()));
    EXPECT_EQ("still", line.Run(2).Bytes());
}

TEST_F(RecordReaderTest, BlobsFollowUnknownClassesButNeverStatic) {
    // Only Rain is installed: Static is not found either, yet carries no blob.
    recordtest::TestRecordHost rainOnly;
    rainOnly.Install(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
    Bytes runs;
    runs.Run("gone", 16, 0xFFFFFF, face, recordtest::kUnknownText).Dword(3).Dword(2).Raw("xyz");
    runs.Run("progid", 16, 0xFFFFFF, face, "ViviFont.RainFont").Dword(0).Dword(2);
    runs.DefaultRun("static");
    runs.Run("lower", 16, 0xFFFFFF, face, "{d090da71-5809-11d2-afb3-00a02495c41f}").Dword(49).Dword(2);
    runs.Raw(ChangedRainBlock());
    Text text;
    const Data record = OneLine(3, 4, runs);
    appkit::MemoryArchive archive(record);
    ASSERT_TRUE(text.Serialize(archive, rainOnly));
    EXPECT_TRUE(rainOnly.messages.empty());
    const model::Line& line = *text.LineAt(0);
    EXPECT_EQ((std::vector<std::string>{"gone", "progid", "static", "lower"}), modeltest::RunTexts(line));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(IsClass(line.Run(i), recordtest::StaticClass()));
    EXPECT_TRUE(IsClass(line.Run(3), recordtest::RainClass())) << "either case of the registry form";
    EXPECT_EQ(ChangedRainBlock(), recordtest::Summary(line.Run(3)).settings);
    // The ProgID-like text was never looked up.
    EXPECT_EQ(3, rainOnly.lookups);
}

TEST_F(RecordReaderTest, FoundEffectsDecideWhetherABlobFollows) {
    auto plain = std::make_shared<testsupport::FakeEffectLog>();
    auto withSettings = std::make_shared<testsupport::FakeEffectLog>();
    host.Install(recordtest::MakeFakeEffect(plain, CLSID{0x11111111, 1, 1, {1, 1, 1, 1, 1, 1, 1, 1}}, false));
    host.Install(recordtest::MakeFakeEffect(withSettings, recordtest::kUnknownClass, true));
    Bytes runs;
    runs.Run("plain", 16, 0xFFFFFF, face, "{11111111-0001-0001-0101-010101010101}");
    runs.Run("settings", 16, 0xFFFFFF, face, recordtest::kUnknownText).Dword(5).Dword(9).Raw("12345");
    runs.DefaultRun("after");
    const Data record = OneLine(3, 3, runs);
    Text text;
    ASSERT_TRUE(Load(text, record));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ((std::vector<std::string>{"plain", "settings", "after"}), modeltest::RunTexts(*text.LineAt(0)));
    const std::vector<std::string> loaded{"LoadProperty size=5 version=9 data=3132333435"};
    EXPECT_EQ(loaded, withSettings->Lines({"LoadProperty"}));

    // A prototype that cannot be cloned leaves the run its default effect,
    // and its blob is stepped over.
    withSettings->cloneFails = true;
    Text again;
    ASSERT_TRUE(Load(again, record));
    EXPECT_EQ(loaded, withSettings->Lines({"LoadProperty"}));
    EXPECT_TRUE(IsClass(again.LineAt(0)->Run(1), recordtest::StaticClass()));
    EXPECT_EQ("after", again.LineAt(0)->Run(2).Bytes());
}

TEST_F(RecordReaderTest, RunFieldsAsTheyAreStored) {
    // A wide-form text, a NUL inside the text and a face that is not installed.
    Bytes runs;
    runs.Raw(Data{0xFF, 0xFE, 0xFF, 0x02, 0xE5, 0x65, 0x2C, 0x67});
    runs.Dword(16).Dword(0xFFFFFF).String(face).String(recordtest::kStaticText);
    runs.Run(std::string("a\0b", 3), 16, 0xFFFFFF, "No Such Face", recordtest::kStaticText);
    Text text;
    ASSERT_TRUE(Load(text, OneLine(3, 2, runs)));
    const model::Line& line = *text.LineAt(0);
    ASSERT_EQ(2u, line.RunCount());
    EXPECT_EQ(modeltest::Sjis(L"日本"), line.Run(0).Bytes());
    EXPECT_EQ("a", line.Run(1).Bytes());
    EXPECT_EQ(face, line.Run(1).FaceName());
}

TEST_F(RecordReaderTest, RangeRecordJoinsTheEndOfTheText) {
    Text text;
    text.AppendLine(std::make_unique<model::Line>());
    text.LineAt(0)->InsertChars("xy", 0);
    const Data record =
        Bytes().Header().Dword(2).Dword(1).DefaultRun("ab").Dword(1).DefaultRun("cd").Dword(0).EndMarker().data;
    ASSERT_TRUE(Load(text, record));
    ASSERT_EQ(2, text.LineCount());
    EXPECT_EQ("xyab", LineText(text, 0));
    EXPECT_EQ("cd", LineText(text, 1));
    EXPECT_TRUE(text.LastLineOpen());
}

TEST_F(RecordReaderTest, WrongMagicStopsAfterIt) {
    const Data record = Bytes().Byte(0).String("Ondelle-Writer TEXX").Dword(3).Dword(0).Dword(0).data;
    Text text;
    EXPECT_TRUE(Load(text, record));
    EXPECT_EQ(12u, left);
    EXPECT_EQ(0, text.LineCount());
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(L"このバイナリファイルはOndelleライター文書ではありません\n読み込みを中止します\n",
              host.messages[0].text);
    EXPECT_EQ(kWarning, host.messages[0].style);
}

TEST_F(RecordReaderTest, WrongEndMarkerKeepsTheLinesRead) {
    Bytes record;
    record.Header().Dword(1).Dword(1).DefaultRun("kept").Dword(1);
    record.String("{74246CC0-5D40-11D2-B8E1-00A0C96EED8B}");
    Text text;
    EXPECT_TRUE(Load(text, record.data));
    ASSERT_EQ(1, text.LineCount());
    EXPECT_EQ("kept", LineText(text, 0));
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(L"Ondelle文章が正しく最後まで読み込めませんでした\n", host.messages[0].text);
    EXPECT_EQ(kWarning, host.messages[0].style);
}

TEST_F(RecordReaderTest, FirstByteNotZeroReadsNothing) {
    Data record = Bytes().Header().Dword(0).Dword(1).EndMarker().data;
    record[0] = 1;
    Text text;
    EXPECT_FALSE(Load(text, record));
    EXPECT_EQ(record.size(), left);
    EXPECT_TRUE(host.messages.empty());

    // Over a file, the file is left on that byte for the caller.
    core::TempFile scratch("rec");
    scratch.SetDeleteOnDestruction(true);
    ASSERT_FALSE(scratch.Create().empty());
    const HANDLE file =
        CreateFileA(scratch.Path().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    {
        appkit::FileArchive archive(file, appkit::Archive::Mode::Load);
        EXPECT_FALSE(text.Serialize(archive, host));
        archive.Close();
    }
    EXPECT_EQ(0u, SetFilePointer(file, 0, nullptr, FILE_CURRENT));
    CloseHandle(file);
    EXPECT_EQ(0, text.LineCount());
}

TEST_F(RecordReaderTest, LyingLengthsEndTheLoadWithTheTextUnchanged) {
    const Data head = Bytes().Header().data;
    // Blobs larger than the data, of a found effect and of an unknown one.
    Bytes foundBlob;
    foundBlob.Raw(head).Dword(1).Dword(1).Run("r", 16, 0, face, recordtest::kRainText);
    foundBlob.Dword(0xFFFFFFF0).Dword(2).Raw(Data(60, 0));
    Bytes unknownBlob;
    unknownBlob.Raw(head).Dword(1).Dword(1).Run("u", 16, 0, face, recordtest::kUnknownText);
    unknownBlob.Dword(0x7FFFFFFF).Dword(2).Raw(Data(60, 0));
    const Data lies[] = {
        // A text string longer than the data.
        Bytes().Raw(head).Dword(1).Dword(1).Byte(0xFF).Raw(Data{0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F}).data,
        // Line and run counts that the data cannot hold.
        Bytes().Raw(head).Dword(0x7FFFFFFF).Dword(0).Dword(1).EndMarker().data,
        Bytes().Raw(head).Dword(1).Dword(0x10000000).DefaultRun("a").Dword(1).EndMarker().data,
        foundBlob.data,
        unknownBlob.data,
        // Cut inside the background colour, and inside the trailing word.
        Data(head.begin(), head.end() - 2),
        Bytes().Raw(head).Dword(1).Dword(1).DefaultRun("a").Byte(1).data,
    };
    for (const Data& lie : lies) {
        Text text;
        text.AppendLine(std::make_unique<model::Line>());
        text.LineAt(0)->InsertChars("keep", 0);
        EXPECT_EQ(ArchiveError::Cause::EndOfData, Refusal(text, lie));
        ASSERT_EQ(1, text.LineCount());
        EXPECT_EQ("keep", LineText(text, 0));
    }
    EXPECT_TRUE(host.messages.empty());
}

// The effects a load makes: one per run, bound once in the order the record
// reader gives, and kept by the text rather than copied.
using LoadBindingTest = modeltest::FakeTest;

TEST_F(LoadBindingTest, EachRunGetsOneEffectBoundOnce) {
    const std::string face = recordtest::DefaultFace();
    Bytes found, lost;
    found.Run("found", 16, 0xFFFFFF, face, recordtest::kUnknownText);
    lost.Run("lost", 16, 0xFFFFFF, face, recordtest::kStaticText);
    const Data record =
        Bytes().Header(3, kRed).Dword(2).Dword(1).Raw(found.data).Dword(1).Raw(lost.data).Dword(1).EndMarker().data;
    const auto foundLog = std::make_shared<testsupport::FakeEffectLog>();
    recordtest::TestRecordHost host;
    host.Install(
        comkit::ComPtr<IViviFont>(new testsupport::FakeEffect(foundLog, {.clsid = recordtest::kUnknownClass})));
    Text text;
    const int created = fakes.created;
    appkit::MemoryArchive archive(record);
    ASSERT_TRUE(text.Serialize(archive, host));

    // The clone is bound, told of its run once it is read and of the
    // record's background, and is the one the text keeps.
    EXPECT_EQ((std::vector<std::string>{"Created", "Clone", "Created", "SetFontManager", "SetParagraph",
                                        "ChangeParagraph", "ChangeParagraph"}),
              foundLog->Calls());
    EXPECT_EQ(2, foundLog->alive);
    const model::Paragraph& kept = text.LineAt(0)->Run(0);
    EXPECT_EQ(static_cast<const IParagraphAccess*>(&kept), Fake(kept).Bound());
    EXPECT_EQ(kRed, kept.BkColor());
    // A class that is not installed: the default effect, made for that run
    // alone.
    EXPECT_EQ(created + 1, fakes.created);
    const model::Paragraph& fallback = text.LineAt(1)->Run(0);
    EXPECT_EQ(static_cast<const IParagraphAccess*>(&fallback), Fake(fallback).Bound());
    EXPECT_EQ("lost", fallback.Bytes());
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
