// The commands of the view and the application: which are enabled, save as
// text (the whole text or the selection), the About box and the context menu.
#include <gtest/gtest.h>

#include "appkit/framework/FrameworkIds.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "viewer/app/ViewerIds.h"
#include "winkit/AnsiText.h"

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
    std::vector<MessageLog::Box> Save(const ScratchFile& file, int answer = IDOK) {
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
    EXPECT_EQ("txt", dialogs[0].defaultExt);
    EXPECT_EQ("*.txt", dialogs[0].fileName);
    EXPECT_TRUE(dialogs[0].filter.empty());
    EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), dialogs[0].flags);
    EXPECT_EQ("abc\r\nde" + Sjis(L"日本") + "\r\nfgh\r\n", file.Read());
}

TEST_F(SaveAsText, WithASelectionTheUserChoosesItTheWholeTextOrNothing) {
    // Made backwards: the later end first.
    Doc().Selection().Set({1, 2}, {3, 1});
    ScratchFile selection;
    const std::vector<MessageLog::Box> asked = Save(selection, IDYES);
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(kOnlySelection, asked[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONEXCLAMATION), asked[0].type);
    EXPECT_EQ(Sjis(L"本") + "\r\nf", selection.Read());

    ScratchFile whole;
    Save(whole, IDNO);
    EXPECT_EQ("abc\r\nde" + Sjis(L"日本") + "\r\nfgh\r\n", whole.Read());

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

// The thread's next dialog box, looked at and closed from a timer inside its modal loop.
struct DialogSeen {
    std::string caption;
    std::vector<std::string> texts;
};
DialogSeen* seen = nullptr;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    char text[256] = {};
    GetWindowTextA(child, text, sizeof text);
    seen->texts.push_back(text);
    return TRUE;
}

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK CloseDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    char caption[256] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    seen->caption = caption;
    EnumChildWindows(dialog, CollectText, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

TEST_F(Commands, TheAboutBoxShowsTheVersionAndClosesWithOk) {
    DialogSeen about;
    seen = &about;
    SetTimer(nullptr, 0, 50, CloseDialog);
    Command(ID_APP_ABOUT);
    seen = nullptr;
    EXPECT_EQ(Sjis(L"バージョン情報 - Ondelle-Writer Viewer"), about.caption);
    EXPECT_NE(about.texts.end(),
              std::find(about.texts.begin(), about.texts.end(), "Ondelle-Writer Viewer / version 1.0.1"));
    EXPECT_NE(about.texts.end(), std::find(about.texts.begin(), about.texts.end(), "OK"));
}

// The context menu's popup, seen when it is about to open, then closed.
HMENU contextPopup = nullptr;
UINT copyState = 0;
char copyText[64];

LRESULT CALLBACK WatchMenus(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
        contextPopup = reinterpret_cast<HMENU>(message->wParam);
        copyState = GetMenuState(contextPopup, ID_EDIT_COPY, MF_BYCOMMAND);
        GetMenuStringA(contextPopup, ID_EDIT_COPY, copyText, sizeof copyText, MF_BYCOMMAND);
        PostMessageA(message->hwnd, WM_CANCELMODE, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Commands, TheContextMenuOffersCopyGreyedWithoutASelection) {
    Show(ThreeLines());
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, WatchMenus, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    SendMessageA(ViewWindow(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(ViewWindow()), MAKELPARAM(50, 50));
    UnhookWindowsHookEx(hook);
    ASSERT_NE(nullptr, contextPopup);
    EXPECT_NE(0u, copyState & MF_GRAYED);
    EXPECT_EQ(Sjis(L"コピー(&C)"), copyText);
}

}  // namespace
}  // namespace apptest
