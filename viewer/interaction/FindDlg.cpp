#include "viewer/interaction/FindDlg.h"

#include <algorithm>
#include <memory>

#include "appkit/framework/MessageBoxes.h"
#include "viewer/interaction/FindDlgIds.h"
#include "viewer/interaction/FindHistory.h"
#include "winkit/AnsiText.h"

namespace interaction {

FindDlg* FindDlg::Open(FindTarget& target) {
    auto dialog = std::unique_ptr<FindDlg>(new FindDlg(target));
    if (!dialog->Create()) return nullptr;
    ShowWindow(dialog->Handle(), SW_SHOW);
    // From here the window owns the object.
    return dialog.release();
}

FindDlg::FindDlg(FindTarget& target) : Dialog(IDD_FIND), target_(target) {}

bool FindDlg::OnInitDialog() {
    CheckDlgButton(Handle(), IDC_FIND_DOWN, BST_CHECKED);
    RegistComboEntry history;
    history.SetSection(kFindHistorySection);
    history.Load();
    const HWND combo = GetDlgItem(IDC_FIND_TEXT);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : history.strings)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    SetFocus(combo);
    return false;
}

void FindDlg::OnCancel() {
    const HWND combo = GetDlgItem(IDC_FIND_TEXT);
    RegistComboEntry history;
    history.SetSection(kFindHistorySection);
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
        std::string entry(length > 0 ? length : 0, '\0');
        if (length > 0) SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        history.strings.push_back(std::move(entry));
    }
    history.selected = static_cast<int>(std::max<LRESULT>(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0));
    history.Save();
    Dialog::OnCancel();
}

bool FindDlg::OnCommand(UINT id, UINT code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_FIND_RUN: OnFind(); return true;
    case IDC_FIND_FOLD: ReadControls(); return true;
    }
    return false;
}

std::string FindDlg::ComboText() const {
    const HWND combo = GetDlgItem(IDC_FIND_TEXT);
    std::string text(GetWindowTextLengthA(combo) + 1, '\0');
    text.resize(GetWindowTextA(combo, text.data(), static_cast<int>(text.size())));
    return text;
}

void FindDlg::ReadControls() {
    direction_ = IsDlgButtonChecked(Handle(), IDC_FIND_FROM_START) ? kFromStart
                 : IsDlgButtonChecked(Handle(), IDC_FIND_UP)       ? kUp
                                                                   : kDown;
    searchText_ = ComboText();
    fold_ = IsDlgButtonChecked(Handle(), IDC_FIND_FOLD) == BST_CHECKED;
}

void FindDlg::AddToHistory(const std::string& text) {
    const HWND combo = GetDlgItem(IDC_FIND_TEXT);
    const LRESULT found = SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (found != CB_ERR) SendMessageA(combo, CB_DELETESTRING, found, 0);
    SendMessageA(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) > kFindHistoryLength)
        SendMessageA(combo, CB_DELETESTRING, kFindHistoryLength, 0);
}

void FindDlg::OnFind() {
    ReadControls();
    if (searchText_.empty()) return;
    // The history changes whether or not the text is found.
    AddToHistory(searchText_);
    const TextSearch search(searchText_, fold_);
    model::Text& text = target_.SearchText();
    const std::optional<FoundRange> match = direction_ == kFromStart ? search.FromStart(text)
                                            : direction_ == kUp      ? search.Up(text, target_.Caret())
                                                                     : search.Down(text, target_.Caret());
    if (match) {
        target_.SelectFound(*match, direction_ == kUp);
    } else {
        ShowNotFound();
    }
    SetDlgItemTextA(Handle(), IDC_FIND_TEXT, searchText_.c_str());
}

void FindDlg::ShowNotFound() const {
    const std::string text = winkit::ToAnsi(L"文字列\"") + searchText_ + winkit::ToAnsi(L"\"は見つかりませんでした。");
    appkit::ShowMessageBox(Handle(), text, winkit::ToAnsi(L"検索結果"), MB_OK);
}

}  // namespace interaction
