#include <gtest/gtest.h>

#include "appkit/framework/FileDialog.h"
#include "appkit/framework/MessageBoxes.h"
#include "appkit/framework/StandardMessages.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "winkit/AnsiText.h"
#include "winkit/MessageBoxes.h"

namespace probe {
namespace {

class Prompts : public ProbeTest {
protected:
    std::vector<winkit::MessageBoxRequest> shown;
    int answer = IDOK;
    winkit::ScopedMessageBoxAnswer boxes{[this](const winkit::MessageBoxRequest& request) {
        shown.push_back(request);
        return answer;
    }};
};

TEST_F(Prompts, TheProgramsMessagesAreCaptionedWithItsNameAndOwnedByItsWindow) {
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    answer = IDNO;
    EXPECT_EQ(IDNO, appkit::AppMessageBox("plain"));
    EXPECT_EQ(IDNO, appkit::AppMessageBox("asked", MB_YESNOCANCEL | MB_ICONQUESTION));
    ASSERT_EQ(2u, shown.size());
    EXPECT_EQ(L"AppkitProbe", shown[0].caption);
    EXPECT_EQ(app.MainWindow(), shown[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shown[0].type) << "a plain box gets the exclamation mark";
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), shown[1].type);
}

TEST_F(Prompts, WithoutAnApplicationTheNameComesFromTheStringTable) {
    appkit::AppMessageBox("alone", MB_ICONSTOP);
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(L"AppkitProbe", shown[0].caption);
    EXPECT_EQ(nullptr, shown[0].owner);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), shown[0].type);
}

TEST_F(Prompts, StandardMessagesNameTheFileAndTheReason) {
    const std::string path = "C:\\docs\\a.prb";
    appkit::ReportFileError(path, ERROR_FILE_NOT_FOUND);
    appkit::ReportFileError(path, ERROR_ACCESS_DENIED);
    appkit::ReportFileError(path, ERROR_GEN_FAILURE);
    appkit::ReportArchiveError(path, appkit::ArchiveError(appkit::ArchiveError::Cause::WriteFailed));
    appkit::ReportOpenFailure();
    ASSERT_EQ(5u, shown.size());
    EXPECT_EQ(L"C:\\docs\\a.prb が見つかりません。", shown[0].text);
    EXPECT_EQ(L"C:\\docs\\a.prb へのｱｸｾｽが拒否されました。", shown[1].text);
    EXPECT_EQ(L"C:\\docs\\a.prb へのｱｸｾｽ中に予期しないｴﾗｰが発生しました。", shown[2].text);
    EXPECT_EQ(L"C:\\docs\\a.prb への書き込み中にｴﾗｰが発生しました。", shown[3].text);
    EXPECT_EQ(L"ﾄﾞｷｭﾒﾝﾄを開くことに失敗しました。", shown[4].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), shown[4].type);
}

TEST(FileDialogFilter, TurnsBarsIntoSeparatorsButKeepsDoubleByteCharactersWhole) {
    // The trail byte of "ポ" in code page 932 is '|'.
    const std::string name = winkit::ToAnsi(L"ポ");
    ASSERT_EQ(std::string("\x83\x7c"), name);
    EXPECT_EQ(name + std::string("\0*.x\0All\0*.*\0\0\0\0", 16), appkit::DialogFilter(name + "|*.x|All|*.*||"));
}

}  // namespace
}  // namespace probe
