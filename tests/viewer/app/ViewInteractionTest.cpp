// The interaction through the real view: messages sent to the view's window
// reach the effects in order, keys move the caret where the layout puts it
// and scroll it into view, a drag, Shift with the arrows and Select All
// followed by Copy leave the selection on the clipboard for another program,
// and the find dialog opened by the Edit command searches the document and
// keeps its history under the company key.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <span>
#include <vector>

#include "appkit/archive/MemoryArchive.h"
#include "effects/Rain/RainFont.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/app/ViewerIds.h"
#include "viewer/interaction/FindDlgIds.h"
#include "viewer/interaction/FindHistory.h"

namespace apptest {
namespace {

using model::TextPos;
using Bytes = std::vector<std::uint8_t>;
using Log = std::vector<std::string>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

class ViewInteraction : public ViewerTest {
protected:
    // A key held down for the scope, as the keyboard would: the view reads
    // Shift and Ctrl from the asynchronous key state, the accelerators from
    // the thread's. The first is set through the input queue and can be put
    // back by the window system when the display's focus moves (a fresh
    // display sends its focus late), so each key sent to the view first
    // makes sure the held keys are still down.
    class HeldKey {
    public:
        HeldKey(ViewInteraction& test, BYTE key) : test_(test), key_(key) {
            test_.held_.push_back(key_);
            Press(key_);
        }
        HeldKey(const HeldKey&) = delete;
        HeldKey& operator=(const HeldKey&) = delete;
        ~HeldKey() {
            test_.held_.pop_back();
            Send(key_, KEYEVENTF_KEYUP);
            SetThreadState(key_, false);
        }

        static void Press(BYTE key) {
            if (GetAsyncKeyState(key) >= 0) Send(key, 0);
            const DWORD deadline = GetTickCount() + 5000;
            while (GetAsyncKeyState(key) >= 0 && GetTickCount() < deadline)
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            EXPECT_LT(GetAsyncKeyState(key), 0) << "key " << int{key} << " is down";
            SetThreadState(key, true);
        }

    private:
        static void Send(BYTE key, DWORD flags) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            SendInput(1, &input, sizeof input);
        }
        static void SetThreadState(BYTE key, bool down) {
            BYTE state[256];
            GetKeyboardState(state);
            state[key] = down ? 0x80 : 0;
            SetKeyboardState(state);
        }

        ViewInteraction& test_;
        BYTE key_;
    };
    std::vector<BYTE> held_;

    void SetUp() override {
        ViewerTest::SetUp();
        SetForegroundWindow(Frame());
        SetFocus(ViewWindow());
        Pump();
    }

    void Mouse(UINT message, POINT client) {
        SendMessageA(ViewWindow(), message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON,
                     MAKELPARAM(client.x, client.y));
    }
    void Key(UINT key) {
        for (const BYTE down : held_) HeldKey::Press(down);
        SendMessageA(ViewWindow(), WM_KEYDOWN, key, 1);
        Pump();
    }
    // The client point of a caret position on screen: the left edge of the
    // column, halfway down its line.
    POINT PointOf(TextPos pos) {
        model::Text& text = Doc().GetText();
        int y = 5;
        for (int line = View().FirstVisibleLine(); line < pos.line; ++line) y += text.LineAt(line)->Height() + 3;
        model::Line& line = *text.LineAt(pos.line);
        return POINT{10 + line.GetCaretPos(pos.column).x, y + line.Height() / 2};
    }
    // The caret is at `pos`, and the system caret stands where the layout
    // puts that column: bottom-aligned in its line, with its top on screen.
    void ExpectCaretAt(TextPos pos) {
        ASSERT_EQ(pos, View().Caret());
        model::Text& text = Doc().GetText();
        int top = 5;
        for (int line = View().FirstVisibleLine(); line < pos.line; ++line) top += text.LineAt(line)->Height() + 3;
        model::Line& line = *text.LineAt(pos.line);
        const model::CaretPos caret = line.GetCaretPos(pos.column);
        POINT shown{};
        ASSERT_TRUE(GetCaretPos(&shown));
        EXPECT_EQ(10 + caret.x, shown.x) << "column " << pos.column << " of line " << pos.line;
        EXPECT_EQ(top + line.Height() - caret.height, shown.y) << "line " << pos.line;
        RECT client{};
        GetClientRect(ViewWindow(), &client);
        EXPECT_GE(shown.y, 0);
        EXPECT_LT(shown.y, client.bottom);
    }
};

// --- the mouse ---------------------------------------------------------------

std::unique_ptr<model::Paragraph> FakeRun(const std::shared_ptr<testsupport::FakeEffectLog>& log,
                                           const std::string& bytes, std::string tag, int height) {
    auto run = std::make_unique<model::Paragraph>();
    run->SetText(bytes);
    run->SetEffect(comkit::ComPtr<IViviFont>(new testsupport::FakeEffect(log, {.tag = tag, .height = height})));
    return run;
}

TEST_F(ViewInteraction, TheMouseReachesTheEffectsLeaveEnterMoveWithPointsInsideTheirRuns) {
    // Line 0: A ("ab", 20 high) spans x 10 to 30 and y 15 to 35, B ("cd", 30
    // high) x 30 to 50 and y 5 to 35; line 1: C ("ef", 30 high) x 10 to 30, y 38 to 68.
    auto log = std::make_shared<testsupport::FakeEffectLog>();
    auto text = std::make_unique<model::Text>();
    auto first = text->TemplateLine().Clone();
    first->AppendRun(FakeRun(log, "ab", "A", 20));
    first->AppendRun(FakeRun(log, "cd", "B", 30));
    text->AppendLine(std::move(first));
    auto second = text->TemplateLine().Clone();
    second->AppendRun(FakeRun(log, "ef", "C", 30));
    text->AppendLine(std::move(second));
    Show(std::move(text));
    ResizeView(300, 200);
    interactiontest::TakeMouseCalls(*log);

    Mouse(WM_MOUSEMOVE, {15, 20});
    EXPECT_EQ((Log{"MouseEnter A", "OnMouseMove A 5,5"}), interactiontest::TakeMouseCalls(*log));
    Mouse(WM_MOUSEMOVE, {35, 12});
    EXPECT_EQ((Log{"MouseLeave A", "MouseEnter B", "OnMouseMove B 5,7"}), interactiontest::TakeMouseCalls(*log));
    Mouse(WM_MOUSEMOVE, {36, 12});
    EXPECT_EQ((Log{"OnMouseMove B 6,7"}), interactiontest::TakeMouseCalls(*log));
    Mouse(WM_MOUSEMOVE, {15, 45});
    EXPECT_EQ((Log{"MouseLeave B", "MouseEnter C", "OnMouseMove C 5,7"}), interactiontest::TakeMouseCalls(*log));

    // A press on a run other than the hovered one: only its OnButtonDown.
    Mouse(WM_LBUTTONDOWN, {35, 12});
    EXPECT_EQ((Log{"OnButtonDown B 5,7"}), interactiontest::TakeMouseCalls(*log));
    EXPECT_EQ(ViewWindow(), GetCapture());
    Mouse(WM_LBUTTONUP, {35, 12});
    EXPECT_EQ(Log{}, interactiontest::TakeMouseCalls(*log));
    EXPECT_EQ(nullptr, GetCapture());

    // C is still the hovered run; off the text it is left.
    Mouse(WM_MOUSEMOVE, {200, 150});
    EXPECT_EQ((Log{"MouseLeave C"}), interactiontest::TakeMouseCalls(*log));
}

// --- the caret ---------------------------------------------------------------

TEST_F(ViewInteraction, KeysMoveTheCaretOverDoubleByteCharactersAndShortLines) {
    auto text = std::make_unique<model::Text>();
    text->AppendLine(StaticLine(*text, {Sjis(L"日本語ab")}));
    text->AppendLine(StaticLine(*text, {"xy"}));
    text->AppendLine(StaticLine(*text, {Sjis(L"漢字かな交じり文")}));
    Show(std::move(text));
    ResizeView(400, 300);

    ExpectCaretAt({0, 0});
    Key(VK_RIGHT);
    ExpectCaretAt({1, 0});  // past the whole of 日
    Key(VK_END);
    ExpectCaretAt({5, 0});
    Key(VK_DOWN);
    ExpectCaretAt({2, 1});  // the short line's end
    Key(VK_DOWN);
    ExpectCaretAt({2, 2});  // the longer column is not remembered
    Key(VK_LEFT);
    Key(VK_LEFT);
    Key(VK_LEFT);
    ExpectCaretAt({2, 1});  // over the start of the line to the end of the one above
    Key(VK_RIGHT);
    ExpectCaretAt({0, 2});
    {
        HeldKey ctrl(*this, VK_CONTROL);
        Key(VK_END);
        ExpectCaretAt({8, 2});
        Key(VK_HOME);
        ExpectCaretAt({0, 0});
    }
    Key(VK_HOME);
    ExpectCaretAt({0, 0});
}

TEST_F(ViewInteraction, TheViewScrollsToKeepTheCaretOnScreen) {
    auto text = std::make_unique<model::Text>();
    for (int i = 0; i < 30; ++i) text->AppendLine(StaticLine(*text, {std::string("line ").append(std::to_string(i))}));
    model::Text& shown = Show(std::move(text));
    const int pitch = shown.LineAt(0)->Height() + 3;
    ResizeView(300, 5 + 6 * pitch + pitch / 2);  // six whole lines and half a seventh
    ASSERT_EQ(6, View().GetVisibleLineCount());

    for (int line = 1; line <= 6; ++line) Key(VK_DOWN);
    EXPECT_EQ(0, View().FirstVisibleLine()) << "the partial line below takes the caret without scrolling";
    ExpectCaretAt({0, 6});
    Key(VK_DOWN);
    EXPECT_EQ(1, View().FirstVisibleLine());
    ExpectCaretAt({0, 7});

    Key(VK_NEXT);  // half the whole lines
    ExpectCaretAt({0, 10});
    EXPECT_EQ(4, View().FirstVisibleLine());
    {
        HeldKey ctrl(*this, VK_CONTROL);
        Key(VK_END);
        ExpectCaretAt({7, 29});
        EXPECT_GT(View().FirstVisibleLine(), 20);
        Key(VK_HOME);
    }
    EXPECT_EQ(0, View().FirstVisibleLine());
    ExpectCaretAt({0, 0});
    Key(VK_UP);
    Key(VK_PRIOR);
    ExpectCaretAt({0, 0});
}

// --- selection and copy --------------------------------------------------------

constexpr BYTE kDecay = 9;
constexpr BYTE kDrops = 70;

class Copying : public ViewInteraction {
protected:
    // Line 0: Static "xA" and a Rain run "日本語" of its own settings; line 1: "cdef".
    void SetUp() override {
        ViewInteraction::SetUp();
        auto text = std::make_unique<model::Text>();
        auto first = StaticLine(*text, {"xA"});
        first->AppendRun(recordtest::RainRun(Sjis(L"日本語"), kDecay, kDrops));
        text->AppendLine(std::move(first));
        text->AppendLine(StaticLine(*text, {"cdef"}));
        Show(std::move(text));
        ResizeView(400, 200);
    }

    // The selection as another program finds it on the clipboard: the plain
    // text, and the runs the private record gives back (into `copy`).
    void ExpectCopied(const std::string& plain, model::Text& copy) {
        const auto read = interactiontest::ReadClipboardInAnotherProgram();
        ASSERT_TRUE(read.has_value()) << "both formats are on the clipboard";
        EXPECT_EQ(BytesOf(plain + '\0'), read->text);

        ASSERT_GE(read->writer.size(), 4u);
        std::uint32_t length = 0;
        std::memcpy(&length, read->writer.data(), 4);
        ASSERT_EQ(read->writer.size() - 4, length);
        appkit::MemoryArchive archive{std::span<const std::uint8_t>(read->writer).subspan(4)};
        recordtest::TestRecordHost host = recordtest::TestRecordHost::WithStaticAndRain();
        ASSERT_TRUE(copy.Serialize(archive, host));
        EXPECT_TRUE(host.messages.empty());
        const interaction::Selection& selection = Doc().Selection();
        EXPECT_EQ(recordtest::Summary(*Doc().GetText().CopyRange(selection.Start(), selection.End())),
                  recordtest::Summary(copy));
    }
    // The settings the Rain run of line 0 carries.
    Bytes RainSettings() { return recordtest::Summary(Doc().GetText().LineAt(0)->Run(1)).settings; }
};

TEST_F(Copying, ADraggedRangeGoesToTheClipboardWithItsRunsAndTheirSettings) {
    Mouse(WM_LBUTTONDOWN, PointOf({1, 0}));
    Mouse(WM_MOUSEMOVE, PointOf({3, 0}));
    Mouse(WM_MOUSEMOVE, PointOf({2, 1}));
    Mouse(WM_LBUTTONUP, PointOf({2, 1}));
    Pump();
    EXPECT_EQ((TextPos{1, 0}), Doc().Selection().Start());
    EXPECT_EQ((TextPos{2, 1}), Doc().Selection().End());

    Command(ID_EDIT_COPY);
    model::Text copy;
    ExpectCopied(Sjis(L"A日本語\ncd"), copy);
    ASSERT_EQ(2, copy.LineCount());
    ASSERT_EQ(2u, copy.LineAt(0)->RunCount());
    const recordtest::RunKept rain = recordtest::Summary(copy.LineAt(0)->Run(1));
    EXPECT_TRUE(IsEqualCLSID(recordtest::RainClass(), rain.clsid));
    EXPECT_EQ(RainSettings(), rain.settings);
    ASSERT_EQ(sizeof(RainBlock), rain.settings.size());
    EXPECT_EQ(kDecay, rain.settings[offsetof(RainBlock, decay)]);
    EXPECT_EQ(kDrops, rain.settings[offsetof(RainBlock, drops)]);
}

TEST_F(Copying, ShiftWithTheArrowsSelectsAndControlCCopies) {
    Mouse(WM_LBUTTONDOWN, PointOf({1, 1}));
    Mouse(WM_LBUTTONUP, PointOf({1, 1}));
    {
        HeldKey shift(*this, VK_SHIFT);
        Key(VK_RIGHT);
        Key(VK_RIGHT);
        Key(VK_UP);
    }
    EXPECT_EQ((TextPos{3, 0}), Doc().Selection().Start());
    EXPECT_EQ((TextPos{1, 1}), Doc().Selection().End());

    // Ctrl+C as the program's message loop sees it: the frame's accelerators.
    {
        HeldKey ctrl(*this, VK_CONTROL);
        MSG press{};
        press.hwnd = ViewWindow();
        press.message = WM_KEYDOWN;
        press.wParam = 'C';
        press.lParam = 1;
        EXPECT_TRUE(app->MainFrame()->TranslateAccelerators(press));
        Pump();
    }
    model::Text copy;
    ExpectCopied(Sjis(L"本語\nc"), copy);
}

TEST_F(Copying, SelectAllCopiesTheWholeText) {
    Command(ID_EDIT_SELECT_ALL);
    Command(ID_EDIT_COPY);
    model::Text copy;
    ExpectCopied(Sjis(L"xA日本語\ncdef"), copy);
}

// --- find ----------------------------------------------------------------------

constexpr char kHistoryKey[] = "Software\\Tarvik Corporation\\Quillon\\OndelleFindStrings";

class Finding : public ViewInteraction {
protected:
    void SetUp() override {
        ViewInteraction::SetUp();
        RegDeleteTreeA(HKEY_CURRENT_USER, kHistoryKey);
        app->SetRegistryKey(app::CQuillonApp::kCompany);
    }

    // Opens the find dialog with the Edit command.
    HWND OpenFind() {
        Command(ID_EDIT_FIND);
        return FindWindowW(L"#32770", L"文字列の検索");
    }
    void Find(HWND dialog, const std::string& pattern) {
        interactiontest::TypeAndFind(dialog, pattern);
        Pump();
    }
    // The selection, which is where the find put the match.
    std::pair<TextPos, TextPos> Selected() const { return {Doc().Selection().Start(), Doc().Selection().End()}; }
};

using Range = std::pair<TextPos, TextPos>;

TEST_F(Finding, FindsUpAndDownFoldingOnlyWhenAskedAndNeverInsideACharacter) {
    // ア and イ end in the bytes of 'A' and 'C'.
    auto text = std::make_unique<model::Text>();
    text->AppendLine(StaticLine(*text, {Sjis(L"アイabAB")}));
    text->AppendLine(StaticLine(*text, {Sjis(L"日本語の日本")}));
    text->AppendLine(StaticLine(*text, {"xAy"}));
    Show(std::move(text));
    ResizeView(400, 200);
    MessageLog boxes;
    const HWND dialog = OpenFind();
    ASSERT_NE(nullptr, dialog);

    interactiontest::ClickControl(dialog, IDC_FIND_FROM_START);
    Find(dialog, "A");
    EXPECT_EQ((Range{{4, 0}, {5, 0}}), Selected()) << "not the second byte of ア";
    interactiontest::ClickControl(dialog, IDC_FIND_DOWN);
    Find(dialog, "A");
    EXPECT_EQ((Range{{1, 2}, {2, 2}}), Selected());
    EXPECT_EQ((TextPos{2, 2}), View().Caret());

    interactiontest::ClickControl(dialog, IDC_FIND_UP);
    Find(dialog, Sjis(L"日本"));
    EXPECT_EQ((Range{{4, 1}, {6, 1}}), Selected());
    EXPECT_EQ((TextPos{4, 1}), View().Caret());
    Find(dialog, Sjis(L"日本"));
    EXPECT_EQ((Range{{0, 1}, {2, 1}}), Selected());
    Find(dialog, "AB");
    EXPECT_EQ((Range{{4, 0}, {6, 0}}), Selected());
    EXPECT_TRUE(boxes.boxes.empty());

    interactiontest::ClickControl(dialog, IDC_FIND_FROM_START);
    Find(dialog, "C");  // only the second byte of イ
    interactiontest::ClickControl(dialog, IDC_FIND_UP);
    Find(dialog, "AB");  // "ab" before the caret, but the case counts
    EXPECT_EQ((std::vector<std::wstring>{L"文字列\"C\"は見つかりませんでした。", L"文字列\"AB\"は見つかりませんでした。"}),
              boxes.Texts());
    EXPECT_EQ((Range{{4, 0}, {6, 0}}), Selected());
    EXPECT_EQ((TextPos{4, 0}), View().Caret());

    interactiontest::ClickControl(dialog, IDC_FIND_FOLD);
    Find(dialog, "AB");
    EXPECT_EQ((Range{{2, 0}, {4, 0}}), Selected());
    EXPECT_EQ((TextPos{2, 0}), View().Caret());
    EXPECT_EQ(2u, boxes.boxes.size());
}

TEST_F(Finding, TheHistoryUnderTheCompanyKeyHoldsTheLastTenNewestFirst) {
    auto text = std::make_unique<model::Text>();
    text->AppendLine(StaticLine(*text, {"abc"}));
    Show(std::move(text));
    MessageLog boxes;
    const HWND dialog = OpenFind();
    ASSERT_NE(nullptr, dialog);
    std::vector<std::string> searched;
    for (int i = 0; i < 11; ++i) {
        searched.push_back(i == 5 ? Sjis(L"日本") : std::string("s").append(std::to_string(i)));
        Find(dialog, searched.back());
    }
    EXPECT_EQ(11u, boxes.boxes.size()) << "nothing of it is in the text";
    interactiontest::PressButton(dialog, IDCANCEL);
    Pump();

    DWORD count = 0;
    DWORD size = sizeof count;
    ASSERT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, kHistoryKey, "LRU count", RRF_RT_REG_DWORD, nullptr,
                                          &count, &size));
    EXPECT_EQ(10u, count);
    for (int i = 0; i < 10; ++i) {
        char entry[32] = {};
        DWORD length = sizeof entry;
        const std::string name = std::string("No.").append(std::to_string(i));
        ASSERT_EQ(ERROR_SUCCESS, RegGetValueA(HKEY_CURRENT_USER, kHistoryKey, name.c_str(), RRF_RT_REG_SZ, nullptr,
                                              entry, &length));
        EXPECT_EQ(searched[10 - i], entry) << name;
    }
}

}  // namespace
}  // namespace apptest
