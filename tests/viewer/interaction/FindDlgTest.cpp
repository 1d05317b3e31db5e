// The find dialog driven through its controls: its template, finding down,
// up and from the start with the not-found message, case folding, and the
// history of ten in the settings, which it loads when it opens and saves
// when it is closed.
#include "tests/support/MessageBoxLog.h"
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "viewer/interaction/FindDlg.h"
#include "viewer/interaction/FindDlgIds.h"
#include "viewer/interaction/FindHistory.h"
#include "winkit/AnsiText.h"
#include "winkit/MessageBoxes.h"

namespace interactiontest {
namespace {

using interaction::FoundRange;
using Found = std::vector<std::pair<FoundRange, bool>>;

constexpr char kCompany[] = "Quillon Interaction Tests";
constexpr char kSection[] = "Software\\Quillon Interaction Tests\\InteractionTest\\OndelleFindStrings";

class FakeTarget final : public interaction::FindTarget {
public:
    model::Text& SearchText() override { return text; }
    model::TextPos Caret() const override { return caret; }
    void SelectFound(const FoundRange& match, bool upwards) override {
        found.emplace_back(match, upwards);
        caret = {upwards ? match.startColumn : match.endColumn, match.line};
    }

    model::Text text;
    model::TextPos caret;
    Found found;
};

class FindDlgTest : public InteractionTest {
protected:
    void SetUp() override {
        InteractionTest::SetUp();
        target_ = std::make_unique<FakeTarget>();
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Interaction Tests");
        app_.SetRegistryKey(kCompany);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        target_.reset();
        InteractionTest::TearDown();
    }

    HWND Open() {
        const interaction::FindDlg* dialog = interaction::FindDlg::Open(*target_);
        dialog_ = dialog ? dialog->Handle() : nullptr;
        return dialog_;
    }
    void Command(int id) { PressButton(dialog_, id); }
    void Check(int id) { ClickControl(dialog_, id); }
    // Types the text and presses Find; answers the message boxes shown.
    std::vector<winkit::MessageBoxRequest> Find(const std::string& text) {
        testsupport::MessageBoxLog boxes;
        TypeAndFind(dialog_, text);
        return boxes.boxes;
    }
    std::vector<std::string> ListEntries() const { return HistoryEntries(dialog_); }
    static interaction::RegistComboEntry StoredHistory() {
        interaction::RegistComboEntry history;
        history.SetSection(interaction::kFindHistorySection);
        history.Load();
        return history;
    }

    appkit::Application app_;
    // Made once the test's effects are installed.
    std::unique_ptr<FakeTarget> target_;
    HWND dialog_ = nullptr;
};

TEST_F(FindDlgTest, OpensWithItsTemplateAndTheStoredHistory) {
    app_.WriteProfileInt(interaction::kFindHistorySection, "LRU count", 2);
    app_.WriteProfileString(interaction::kFindHistorySection, "No.0", "newest");
    app_.WriteProfileString(interaction::kFindHistorySection, "No.1", "older");
    ASSERT_NE(nullptr, Open());
    wchar_t caption[32] = {};
    GetWindowTextW(dialog_, caption, 32);
    EXPECT_STREQ(L"文字列の検索", caption);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(L"ＭＳ Ｐゴシック", font.lfFaceName);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog_, IDC_FIND_DOWN));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog_, IDC_FIND_FOLD));
    EXPECT_EQ((std::vector<std::string>{"newest", "older"}), ListEntries());
    EXPECT_EQ(0, GetWindowTextLengthA(GetDlgItem(dialog_, IDC_FIND_TEXT)));
    const HWND combo = GetDlgItem(dialog_, IDC_FIND_TEXT);
    EXPECT_TRUE(GetFocus() == combo || GetParent(GetFocus()) == combo);
}

TEST_F(FindDlgTest, FindsDownThenSaysNotFoundWithoutWrapping) {
    AddLines(target_->text, {"abab"});
    ASSERT_NE(nullptr, Open());
    EXPECT_TRUE(Find("ab").empty());
    EXPECT_TRUE(Find("ab").empty());
    const auto boxes = Find("ab");
    EXPECT_EQ((Found{{{0, 2, 0}, false}, {{2, 4, 0}, false}}), target_->found);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(dialog_, boxes[0].owner);
    EXPECT_EQ(L"文字列\"ab\"は見つかりませんでした。", boxes[0].text);
    EXPECT_EQ(L"検索結果", boxes[0].caption);
    EXPECT_EQ(UINT{MB_OK}, boxes[0].type);
    char edit[16] = {};
    GetDlgItemTextA(dialog_, IDC_FIND_TEXT, edit, sizeof edit);
    EXPECT_STREQ("ab", edit);
}

TEST_F(FindDlgTest, FindsUpAndFromTheStartFoldingOnlyWhenAsked) {
    AddLines(target_->text, {"xAbAb"});
    target_->caret = {5, 0};
    ASSERT_NE(nullptr, Open());
    Check(IDC_FIND_UP);
    EXPECT_EQ(1u, Find("ab").size());
    Check(IDC_FIND_FOLD);
    Find("ab");
    Find("ab");
    Check(IDC_FIND_FROM_START);
    Find("AB");
    EXPECT_EQ((Found{{{3, 5, 0}, true}, {{1, 3, 0}, true}, {{1, 3, 0}, false}}), target_->found);
}

TEST_F(FindDlgTest, AnEmptyTextDoesNothing) {
    AddLines(target_->text, {"abc"});
    ASSERT_NE(nullptr, Open());
    EXPECT_TRUE(Find("").empty());
    EXPECT_TRUE(target_->found.empty());
    EXPECT_TRUE(ListEntries().empty());
}

TEST_F(FindDlgTest, TheHistoryKeepsTheLastTenNewestFirst) {
    AddLines(target_->text, {"abc"});
    ASSERT_NE(nullptr, Open());
    for (int i = 0; i <= 10; ++i) Find(std::string("s").append(std::to_string(i)));
    Find("S3");  // an entry equal but for case moves to the top
    const std::vector<std::string> expected{"S3", "s10", "s9", "s8", "s7", "s6", "s5", "s4", "s2", "s1"};
    EXPECT_EQ(expected, ListEntries());
    EXPECT_TRUE(StoredHistory().strings.empty());  // saved only on closing
    Command(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dialog_));
    EXPECT_EQ(expected, StoredHistory().strings);

    DestroyWindow(std::exchange(dialog_, nullptr));
    ASSERT_NE(nullptr, Open());
    EXPECT_EQ(expected, ListEntries());
}

TEST_F(FindDlgTest, AStoredCountOutsideZeroToTenIsNotTrusted) {
    for (int i = 0; i < 12; ++i)
        app_.WriteProfileString(interaction::kFindHistorySection, "No." + std::to_string(i), std::to_string(i));
    app_.WriteProfileInt(interaction::kFindHistorySection, "LRU count", 50);
    EXPECT_EQ(10u, StoredHistory().strings.size());
    app_.WriteProfileInt(interaction::kFindHistorySection, "LRU count", 0xFFFFFFFFu);
    EXPECT_TRUE(StoredHistory().strings.empty());
    RegDeleteTreeA(HKEY_CURRENT_USER, kSection);
    EXPECT_TRUE(StoredHistory().strings.empty());
    app_.WriteProfileInt(interaction::kFindHistorySection, "LRU count", 2);
    EXPECT_EQ((std::vector<std::string>{"", ""}), StoredHistory().strings);
}

}  // namespace
}  // namespace interactiontest
