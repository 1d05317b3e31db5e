// What the interaction tests share: texts built of fake effects, what the
// mouse did to them, a stand-in for the
// view window that records what the interaction asked of it, the find
// dialog driven through its controls, and the clipboard as a second program
// reads it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/interaction/ViewHost.h"

// Points and rectangles compared and printed by the checks.
inline bool operator==(const POINT& a, const POINT& b) { return a.x == b.x && a.y == b.y; }
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline void PrintTo(const POINT& p, std::ostream* out) { *out << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace interactiontest {

// A run to build: its bytes and its fake.
struct RunSpec {
    std::string bytes;
    testsupport::FakeEffectOptions fake = {};
};

class InteractionTest : public modeltest::ModelTest {
protected:
    InteractionTest() : ModelTest(source) {}

    // A line of runs each with its own fake (an empty list: a line without runs).
    void AddLine(model::Text& text, const std::vector<RunSpec>& runs);
    // Lines of one run each, of the default fake.
    void AddLines(model::Text& text, const std::vector<std::string>& lines);

    modeltest::FakeSource source;
};

// The view window as the interaction sees it: a client area of a given
// height, lines laid out for real, and a record of what was asked.
class FakeView final : public interaction::ViewHost {
public:
    explicit FakeView(int clientHeight) : clientHeight(clientHeight) {}

    model::Text& DocumentText() override { return text; }
    interaction::Selection& DocumentSelection() override { return selection; }
    const interaction::VisibleLines& Layout() override;
    int ScrollX() override { return scrollX; }
    void ScrollLines(int count) override;
    void SetCaret(POINT clientTopLeft, int height) override;
    void Invalidate(const RECT* clientRect) override;
    void DrawOnWindow(const std::function<void(HDC)>& draw) override;
    bool HasCapture() override { return captured; }
    void CaptureMouse() override { captured = true; }
    void ReleaseMouse() override { captured = false; }

    int clientHeight;
    model::Text text;
    interaction::Selection selection;
    int first = 0;
    int scrollX = 0;
    bool captured = false;

    std::vector<int> scrolls;
    POINT caretPoint{-1, -1};
    int caretHeight = 0;
    std::vector<RECT> invalidated;
    int wholeInvalidations = 0;
    int drawsOnWindow = 0;

private:
    interaction::VisibleLines layout_;
};

// What the mouse did to the fakes since the last look, and forgotten: enters,
// leaves, moves and presses.
std::vector<std::string> TakeMouseCalls(testsupport::FakeEffectLog& log);

// The find dialog's controls used as the user would: a button pressed, a
// radio or check box clicked, a text typed and Find pressed, the history list.
void PressButton(HWND dialog, int id);
void ClickControl(HWND dialog, int id);
void TypeAndFind(HWND dialog, const std::string& text);
std::vector<std::string> HistoryEntries(HWND dialog);

// The clipboard's CF_TEXT and "OndelleWriter ver1.0" data as the second
// program (CLIPBOARD_READER_PATH) found them; none when either was missing.
struct ClipboardData {
    std::vector<std::uint8_t> text;
    std::vector<std::uint8_t> writer;
};
std::optional<ClipboardData> ReadClipboardInAnotherProgram();

}  // namespace interactiontest
