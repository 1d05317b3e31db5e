// The commands of the view: which are enabled, and save as text (the whole
// text or the selection). The About box.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "appkit/framework/FrameworkIds.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "viewer/app/QuillonAbout.h"
#include "viewer/app/ViewerIds.h"
#include "winkit/GdiHandles.h"

namespace apptest {
namespace {

using Texts = std::vector<std::wstring>;

std::unique_ptr<model::Text> ThreeLines() {
    auto text = std::make_unique<model::Text>();
    text->AppendLine(StaticLine(*text, {"abc"}));
    text->AppendLine(StaticLine(*text, {"de", Sjis(L"日本")}));
    text->AppendLine(StaticLine(*text, {"fgh"}));
    return text;
}

using Commands = ViewerTest;

TEST_F(Commands, TextCommandsNeedLinesAndCopyNeedsASelection) {
    for (UINT id : {ID_SAVE_AS_TEXT, ID_EDIT_SELECT_ALL, ID_EDIT_FIND, ID_EDIT_COPY})
        EXPECT_FALSE(MenuItemEnabled(id)) << id;
    EXPECT_TRUE(MenuItemEnabled(APPKIT_ID_FILE_OPEN));
    EXPECT_TRUE(MenuItemEnabled(ID_FILE_OPEN_VIEWER));
    EXPECT_TRUE(MenuItemEnabled(ID_APP_ABOUT));

    Show(ThreeLines());
    for (UINT id : {ID_SAVE_AS_TEXT, ID_EDIT_SELECT_ALL, ID_EDIT_FIND}) EXPECT_TRUE(MenuItemEnabled(id)) << id;
    EXPECT_FALSE(MenuItemEnabled(ID_EDIT_COPY));
    Command(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(MenuItemEnabled(ID_EDIT_COPY));
}

class SaveAsText : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        Show(ThreeLines());
    }

    // Runs the command with the dialog answered by `file` and every box by `answer`.
    // The boxes shown.
    std::vector<winkit::MessageBoxRequest> Save(const ScratchFile& file, int answer = IDOK) {
        MessageLog messages(answer);
        DialogAnswer dialog(file.path());
        Command(ID_SAVE_AS_TEXT);
        dialogs = dialog.requests;
        return messages.boxes;
    }

    std::vector<appkit::FileDialogRequest> dialogs;
};

const wchar_t kOnlySelection[] = L"選択範囲だけ保存しますか？\n - [いいえ]を選ぶと文書全体を保存します - ";

TEST_F(SaveAsText, WithoutASelectionTheWholeTextGoesOutWithCarriageReturns) {
    ScratchFile file;
    EXPECT_TRUE(Save(file).empty());
    ASSERT_EQ(1u, dialogs.size());
    EXPECT_FALSE(dialogs[0].open);
    EXPECT_EQ("abc\r\nde" + Sjis(L"日本") + "\r\nfgh\r\n", ReadFileBytes(file.path()));
}

TEST_F(SaveAsText, WithASelectionTheUserChoosesItTheWholeTextOrNothing) {
    // Made backwards: the later end first.
    Doc().Selection().Set({1, 2}, {3, 1});
    ScratchFile selection;
    const std::vector<winkit::MessageBoxRequest> asked = Save(selection, IDYES);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(kOnlySelection, asked[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION), asked[0].type);
    EXPECT_EQ(Sjis(L"本") + "\r\nf", ReadFileBytes(selection.path()));

    ScratchFile whole;
    Save(whole, IDNO);
    EXPECT_EQ("abc\r\nde" + Sjis(L"日本") + "\r\nfgh\r\n", ReadFileBytes(whole.path()));

    ScratchFile none;
    Save(none, IDCANCEL);
    EXPECT_TRUE(dialogs.empty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(none.path().c_str()));
}

TEST_F(SaveAsText, AFileThatCannotBeCreatedIsToldAndNothingElseHappens) {
    MessageLog messages;
    DialogAnswer dialog(std::string("Z:\\no such folder\\out.txt"));
    Command(ID_SAVE_AS_TEXT);
    EXPECT_EQ(Texts{L"Z:\\no such folder\\out.txt のﾊﾟｽ名が正しくありません。"}, messages.Texts());

    MessageLog cancelled;
    DialogAnswer none(std::nullopt);
    Command(ID_SAVE_AS_TEXT);
    EXPECT_TRUE(cancelled.boxes.empty());
}

std::wstring WindowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return text;
}

// The maker's notice fits its control whole, wrapped at its words, in the
// dialog's font and in either of the documents' faces at that size.
TEST(AboutBox, TheNoticeShowsWholeInTheDocumentsFaces) {
    app::QuillonAbout about;
    ASSERT_TRUE(about.Create());
    HWND notice = nullptr;
    for (HWND child = GetWindow(about.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child).starts_with(L"Copyright")) notice = child;
    ASSERT_NE(nullptr, notice);
    const std::wstring text = WindowText(notice);
    RECT room{};
    GetClientRect(notice, &room);
    LOGFONTW dialogFont{};
    ASSERT_NE(0, GetObjectW(reinterpret_cast<HFONT>(SendMessageW(notice, WM_GETFONT, 0, 0)), sizeof dialogFont,
                            &dialogFont));
    const wchar_t* const dialogFace = dialogFont.lfFaceName;
    for (const wchar_t* face : {dialogFace, L"ＭＳ Ｐゴシック", L"ＭＳ ゴシック"}) {
        LOGFONTW logFont = dialogFont;
        std::wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
        const winkit::Font font(CreateFontIndirectW(&logFont));
        winkit::ScreenDC screen;
        winkit::Selection selected(screen.get(), font.get());
        RECT needed{0, 0, room.right, 0};
        DrawTextW(screen.get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        EXPECT_LE(needed.right, room.right) << face << ": a word wider than the control";
        EXPECT_LE(needed.bottom, room.bottom) << face << ": lines below the control";
        EXPECT_GT(needed.bottom, 0);
    }
}

}  // namespace
}  // namespace apptest
