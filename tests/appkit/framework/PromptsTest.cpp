#include <gtest/gtest.h>

#include "appkit/framework/FileDialog.h"
#include "appkit/framework/MessageBoxes.h"
#include "appkit/framework/StandardMessages.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "tests/support/MessageBoxLog.h"
#include "winkit/AnsiText.h"

namespace probe {
namespace {

class Prompts : public ProbeTest {
protected:
    testsupport::MessageBoxLog shown;
};

TEST_F(Prompts, TheProgramsMessagesAreCaptionedWithItsNameAndOwnedByItsWindow) {
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    shown.answer = IDNO;
    EXPECT_EQ(IDNO, appkit::AppMessageBox("plain"));
    EXPECT_EQ(IDNO, appkit::AppMessageBox("asked", MB_YESNOCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(2u, shown.boxes.size());
    EXPECT_EQ(L"AppkitProbe", shown.boxes[0].caption);
    EXPECT_EQ(app.MainWindow(), shown.boxes[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shown.boxes[0].type) << "a plain box gets the exclamation mark";
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), shown.boxes[1].type);
}

TEST_F(Prompts, WithoutAnApplicationTheNameComesFromTheStringTable) {
    appkit::AppMessageBox("alone", MB_ICONSTOP);
    ASSERT_EQ(1u, shown.boxes.size());
    EXPECT_EQ(L"AppkitProbe", shown.boxes[0].caption);
    EXPECT_EQ(nullptr, shown.boxes[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), shown.boxes[0].type);
}

TEST_F(Prompts, StandardMessagesNameTheFileAndTheReason) {
    const std::string path = "C:\\docs\\a.prb";
    appkit::ReportFileError(path, ERROR_FILE_NOT_FOUND);
    appkit::ReportFileError(path, ERROR_ACCESS_DENIED);
    appkit::ReportFileError(path, ERROR_GEN_FAILURE);
    appkit::ReportArchiveError(path, appkit::ArchiveError(appkit::ArchiveError::Cause::WriteFailed));
    appkit::ReportOpenFailure();
    ASSERT_EQ(5u, shown.boxes.size());
    EXPECT_EQ(L"C:\\docs\\a.prb が見つかりません。", shown.boxes[0].text);
    EXPECT_EQ(L"C:\\docs\\a.prb へのｱｸｾｽが拒否されました。", shown.boxes[1].text);
    EXPECT_EQ(L"C:\\docs\\a.prb へのｱｸｾｽ中に予期しないｴﾗｰが発生しました。", shown.boxes[2].text);
    EXPECT_EQ(L"C:\\docs\\a.prb への書き込み中にｴﾗｰが発生しました。", shown.boxes[3].text);
    EXPECT_EQ(L"ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。", shown.boxes[4].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shown.boxes[4].type);
}

TEST(FileDialogFilter, TurnsBarsIntoSeparatorsButKeepsDoubleByteCharactersWhole) {
    // The trail byte of "ポ" in code page 932 is '|'.
    const std::string name = winkit::ToAnsi(L"ポ");
    ASSERT_EQ(std::string("\x83\x7c"), name);
    EXPECT_EQ(name + std::string("\0*.x\0All\0*.*\0\0\0\0", 16), appkit::DialogFilter(name + "|*.x|All|*.*||"));
}

}  // namespace
}  // namespace probe
