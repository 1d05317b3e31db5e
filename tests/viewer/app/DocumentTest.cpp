// Opening documents: good, damaged, not a record, empty and missing files
// each end as the user is told, and the viewer goes on with a sound document
// and view. Documents appended to other viewer executables.
#include <gtest/gtest.h>

#include "appkit/archive/MemoryArchive.h"
#include "tests/support/Canvas.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "viewer/app/EmbeddedDocument.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/core/Markers.h"
#include "winkit/AnsiText.h"

namespace apptest {
namespace {

using Texts = std::vector<std::wstring>;

// A text of `lines` lines of Static runs in a dark red background.
std::unique_ptr<model::Text> StaticText(int lines) {
    auto text = std::make_unique<model::Text>();
    for (int i = 0; i < lines; ++i) text->AppendLine(StaticLine(*text, {"line " + std::to_string(i)}));
    text->SetBkColor(RGB(64, 0, 0));
    return text;
}

std::string RecordText(int lines) { return AsString(RecordOf(*StaticText(lines))); }

class Opening : public ViewerTest {
protected:
    // The document shown before each open: three lines.
    void SetUp() override {
        ViewerTest::SetUp();
        Show(StaticText(3));
    }

    bool Open(const std::string& path) { return app->OpenDocumentFile(path) != nullptr; }

    // The view still paints the document it holds, in its background.
    void ExpectViewPaints(COLORREF background) {
        Pump();
        testsupport::Canvas canvas(200, 100, RGB(1, 2, 3));
        SendMessageA(ViewWindow(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
        View().OnDraw(canvas.dc());
        SendMessageA(ViewWindow(), WM_TIMER, app::CQuillonView::kAnimationTimer, 0);
        EXPECT_EQ(background, canvas.Pixel(199, 99));
    }
};

TEST_F(Opening, AGoodDocumentReplacesTheTextAndNamesTheDocument) {
    ScratchFile file(RecordText(5));
    MessageLog messages;
    ASSERT_TRUE(Open(file.path()));
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(5, Doc().GetText().LineCount());
    EXPECT_EQ(file.path(), Doc().GetPathName());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(Opening, ADamagedDocumentIsReportedAndTheShownDocumentStays) {
    std::string record = RecordText(5);
    record.resize(record.size() - 50);
    ScratchFile file(record);
    MessageLog messages;
    EXPECT_FALSE(Open(file.path()));
    EXPECT_EQ(Texts{winkit::ToWide(file.path()) + L" の終わりを越えて読み込もうとしました。"}, messages.Texts());
    EXPECT_EQ(3, Doc().GetText().LineCount());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(Opening, AFileThatIsNoRecordGivesAnEmptyDocumentWithoutAWord) {
    ScratchFile file("\x01" "not a record");
    MessageLog messages;
    EXPECT_TRUE(Open(file.path()));
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(0, Doc().GetText().LineCount());
    ExpectViewPaints(RGB(0, 0, 0));
}

TEST_F(Opening, AnEmptyFileKeepsTheTextUnderTheNewName) {
    ScratchFile file("");
    MessageLog messages;
    EXPECT_TRUE(Open(file.path()));
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(3, Doc().GetText().LineCount());
    EXPECT_EQ(file.path(), Doc().GetPathName());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(Opening, AMissingFileIsReportedAndChangesNothing) {
    ScratchFile missing;
    MessageLog messages;
    EXPECT_FALSE(Open(missing.path()));
    EXPECT_EQ(Texts{winkit::ToWide(missing.path()) + L" が見つかりません。"}, messages.Texts());
    EXPECT_EQ(3, Doc().GetText().LineCount());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(Opening, TheViewKeepsPaintingWhileTheReadersMessageIsUp) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 4, {30, 20}));
    std::string record = RecordText(2);
    record.back() = 'X';  // the end marker differs
    ScratchFile file(record);
    int ticksDuringMessage = 0;
    MessageLog messages;
    messages.whileShown = [&] {
        log->lines.clear();
        SendMessageA(ViewWindow(), WM_TIMER, app::CQuillonView::kAnimationTimer, 0);
        ticksDuringMessage = log->Count("UpdateTextFace");
    };
    EXPECT_TRUE(Open(file.path()));
    EXPECT_EQ(4, ticksDuringMessage);  // the shown text, whole
    EXPECT_EQ(2, Doc().GetText().LineCount());
}

// Storing, as the framework's save would: the text shown is written whole as
// one record, which reads back as the same text, and stays shown.
TEST_F(Opening, StoringWritesTheShownTextAsOneRecord) {
    model::Text& shown = Doc().GetText();
    Doc().Selection().Set({0, 0}, {2, 1});
    appkit::MemoryArchive stored;
    Doc().Serialize(stored);
    stored.Flush();
    EXPECT_EQ(RecordOf(shown), stored.Bytes());
    EXPECT_EQ(&shown, &Doc().GetText());
    EXPECT_FALSE(Doc().Selection().IsActive());

    ScratchFile file(AsString(stored.Bytes()));
    Show(StaticText(1));
    ASSERT_TRUE(Open(file.path()));
    EXPECT_EQ(3, Doc().GetText().LineCount());
    EXPECT_EQ(stored.Bytes(), RecordOf(Doc().GetText()));
}

// A viewer executable: some bytes of its own, then what is appended.
std::string ViewerExecutable(const std::string& appended) { return std::string("MZ\x90\0 program bytes", 18) + appended; }

std::string Marker() { return core::DocumentMarker(GetModuleHandleW(nullptr)); }

class EmbeddedOpening : public Opening {
protected:
    void OpenViewer(const std::string& path) {
        DialogAnswer dialog(path);
        Command(ID_FILE_OPEN_VIEWER);
        ASSERT_EQ(1u, dialog.requests.size());
    }
};

const wchar_t kNoData[] = L"このビュワーには内蔵データがありません";

TEST_F(EmbeddedOpening, TheDocumentAfterTheMarkerReplacesTheTextThroughATemporaryCopy) {
    ScratchFile viewerFile(ViewerExecutable(Marker() + RecordText(4)));
    Doc().Selection().Set({0, 0}, {2, 1});
    MessageLog messages;
    OpenViewer(viewerFile.path());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(4, Doc().GetText().LineCount());
    EXPECT_FALSE(Doc().Selection().IsActive());
    EXPECT_TRUE(TempFiles("ONW").empty());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(EmbeddedOpening, AFileWithoutADocumentIsToldAndTheShownDocumentStaysSelected) {
    ScratchFile plain(ViewerExecutable(""));
    ScratchFile markerLast(ViewerExecutable(Marker()));
    ScratchFile notARecord(ViewerExecutable(Marker() + "\x01" + RecordText(2).substr(1)));
    Doc().Selection().Set({0, 0}, {2, 1});
    for (const ScratchFile* file : {&plain, &markerLast, &notARecord}) {
        MessageLog messages;
        OpenViewer(file->path());
        EXPECT_EQ(Texts{kNoData}, messages.Texts());
        EXPECT_EQ(3, Doc().GetText().LineCount());
        EXPECT_TRUE(Doc().Selection().IsNonEmpty(Doc().GetText()));
    }
    EXPECT_TRUE(TempFiles("ONW").empty());
}

TEST_F(EmbeddedOpening, ADocumentThatBreaksOffIsReportedAndItsCopyDeleted) {
    std::string record = RecordText(4);
    record.resize(record.size() - 60);
    ScratchFile viewerFile(ViewerExecutable(Marker() + record));
    MessageLog messages;
    OpenViewer(viewerFile.path());
    EXPECT_EQ((Texts{winkit::ToWide(viewerFile.path()) + L" の終わりを越えて読み込もうとしました。", kNoData}),
              messages.Texts());
    EXPECT_EQ(3, Doc().GetText().LineCount());
    EXPECT_TRUE(TempFiles("ONW").empty());
    ExpectViewPaints(RGB(64, 0, 0));
}

TEST_F(EmbeddedOpening, AViewerThatCannotBeOpenedIsToldTwice) {
    ScratchFile missing;
    MessageLog messages;
    OpenViewer(missing.path());
    EXPECT_EQ((Texts{L"ビュワーのオープンに失敗しました\n", kNoData}), messages.Texts());
    EXPECT_EQ(3, Doc().GetText().LineCount());
}

TEST(EmbeddedDocument, ACopyThatCannotBeCreatedIsTold) {
    ScratchFile viewerFile(ViewerExecutable(Marker() + std::string("\0record", 7)));
    MessageLog messages;
    EXPECT_FALSE(app::ExtractAppendedDocument(viewerFile.path(), "Z:\\no such folder\\copy.tmp"));
    EXPECT_EQ(Texts{L"部分保存用ファイルの作成に失敗しました"}, messages.Texts());
}

}  // namespace
}  // namespace apptest
