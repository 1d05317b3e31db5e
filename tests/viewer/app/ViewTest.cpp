// The view painted into a DIB, its animation timer, scrolling by the bar and
// the wheel with the release of the effects' surfaces, and the reset on a
// document change.
#include <gtest/gtest.h>

#include "tests/support/Canvas.h"
#include "tests/viewer/app/AppTestSupport.h"

namespace apptest {
namespace {

using Strings = std::vector<std::string>;

constexpr SIZE kRun{30, 30};  // lines 33 pixels apart
constexpr LPARAM kNoPoint = 0;

WPARAM Wheel(int notches) { return MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(notches * WHEEL_DELTA))); }

using ViewPainting = ViewerTest;

TEST_F(ViewPainting, TheBackgroundTakesTheTextsColourAndEachLineItsPlaceFromTheTopLeft) {
    auto text = std::make_unique<model::Text>();
    text->AppendLine(StaticLine(*text, {"AB"}, RGB(255, 255, 0), 20));
    text->AppendLine(StaticLine(*text, {"CD", "EF"}, RGB(0, 255, 0), 12));
    text->SetBkColor(RGB(0, 0, 96));
    model::Text& shown = Show(std::move(text));
    ResizeView(300, 200);

    testsupport::Canvas canvas(300, 200, RGB(1, 2, 3));
    SendMessageA(ViewWindow(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    View().OnDraw(canvas.dc());

    model::Line& first = *shown.LineAt(0);
    model::Line& second = *shown.LineAt(1);
    const RECT firstArea{10, 5, 10 + first.Width(), 5 + first.Height()};
    const int secondTop = firstArea.bottom + 3;
    const RECT secondArea{10, secondTop, 10 + second.Width(), secondTop + second.Height()};
    EXPECT_GT(canvas.Count(RGB(255, 255, 0), firstArea), 0);
    EXPECT_EQ(0, canvas.CountOutside(RGB(255, 255, 0), firstArea));
    EXPECT_GT(canvas.Count(RGB(0, 255, 0), secondArea), 0);
    EXPECT_EQ(0, canvas.CountOutside(RGB(0, 255, 0), secondArea));
    EXPECT_EQ(0, canvas.Count(RGB(1, 2, 3), {0, 0, 300, 200}));
    EXPECT_EQ(RGB(0, 0, 96), canvas.Pixel(299, 199));
}

TEST_F(ViewPainting, LinesAreDrawnWhileTheirTopIsInsideTheClientArea) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 137);
    testsupport::Canvas canvas(200, 137, 0);
    log->lines.clear();
    View().OnDraw(canvas.dc());
    // The fifth line starts exactly at the bottom edge and is still drawn.
    EXPECT_EQ((Strings{"DrawTextFace 0 10,5", "DrawTextFace 1 10,38", "DrawTextFace 2 10,71",
                       "DrawTextFace 3 10,104", "DrawTextFace 4 10,137"}),
              log->Lines({"DrawTextFace"}));
}

void Tick(HWND view) { SendMessageA(view, WM_TIMER, app::CQuillonView::kAnimationTimer, 0); }

using Animation = ViewerTest;

TEST_F(Animation, TicksAdvanceTheRunsOfTheLinesOnScreenOnly) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 140);
    log->lines.clear();
    Tick(ViewWindow());
    EXPECT_EQ((Strings{"UpdateTextFace 0 10,5", "UpdateTextFace 1 10,38", "UpdateTextFace 2 10,71",
                       "UpdateTextFace 3 10,104", "UpdateTextFace 4 10,137"}),
              log->Lines({"UpdateTextFace"}));
    EXPECT_EQ(0, log->Count("DrawTextFace"));

    // Below 5 pixels of height nothing is drawn at all.
    ResizeView(200, 4);
    log->lines.clear();
    Tick(ViewWindow());
    testsupport::Canvas canvas(200, 4, 0);
    View().OnDraw(canvas.dc());
    EXPECT_EQ(0, log->Count("UpdateTextFace"));
    EXPECT_EQ(0, log->Count("DrawTextFace"));
}

TEST_F(Animation, RunsWhileTheViewHasTheFocus) {
    EXPECT_TRUE(View().IsAnimating());
    SendMessageA(ViewWindow(), WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(View().IsAnimating());
    SendMessageA(ViewWindow(), WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(View().IsAnimating());
}

using Scrolling = ViewerTest;

TEST_F(Scrolling, TheWheelReleasesTheSurfacesOnScreenThenMovesByWholeLinesInsideTheText) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 140);  // four whole lines and a partial fifth
    ASSERT_EQ(4, View().GetVisibleLineCount());
    log->lines.clear();

    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-1), kNoPoint);
    EXPECT_EQ((Strings{"Deactivate 0", "Deactivate 1", "Deactivate 2", "Deactivate 3", "Deactivate 4"}),
              log->Lines({"Deactivate"}));
    EXPECT_EQ(1, View().FirstVisibleLine());
    EXPECT_EQ(1, View().Caret().line);

    // Many notches at once stop at the top and at the last line.
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(5), kNoPoint);
    EXPECT_EQ(0, View().FirstVisibleLine());
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-100), kNoPoint);
    EXPECT_EQ(19, View().FirstVisibleLine());
    EXPECT_EQ(19, View().Caret().line);

    // Nothing more to show below, nothing above the top.
    log->lines.clear();
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-1), kNoPoint);
    EXPECT_EQ(19, View().FirstVisibleLine());
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(30), kNoPoint);
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(1), kNoPoint);
    EXPECT_EQ(0, View().FirstVisibleLine());
}

TEST_F(Scrolling, TheScrollBarMovesTheCaretAndScrollsOnlyWhenItLeavesTheScreen) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 140);

    SendMessageA(ViewWindow(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(1, View().Caret().line);
    EXPECT_EQ(0, View().FirstVisibleLine());

    // The caret's line becomes the partial line below the whole ones.
    SendMessageA(ViewWindow(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 15), 0);
    EXPECT_EQ(15, View().Caret().line);
    EXPECT_EQ(11, View().FirstVisibleLine());

    SendMessageA(ViewWindow(), WM_VSCROLL, SB_PAGEUP, 0);  // half of four lines
    EXPECT_EQ(13, View().Caret().line);
    SendMessageA(ViewWindow(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2), 0);
    EXPECT_EQ(2, View().Caret().line);
    EXPECT_EQ(2, View().FirstVisibleLine());
}

TEST_F(Scrolling, AResizeReleasesTheSurfacesOfTheLinesOnScreenAndTheOneBelow) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 140);
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-2), kNoPoint);
    Tick(ViewWindow());  // the effects on screen draw: their surfaces are back
    log->lines.clear();
    ResizeView(200, 200);
    EXPECT_EQ((Strings{"Deactivate 2", "Deactivate 3", "Deactivate 4", "Deactivate 5", "Deactivate 6"}),
              log->Lines({"Deactivate"}));
}

TEST_F(Scrolling, NothingBreaksWithoutLinesOrWithoutRoom) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    ResizeView(200, 140);
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-1), kNoPoint);
    SendMessageA(ViewWindow(), WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageA(ViewWindow(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    EXPECT_EQ(0, View().FirstVisibleLine());
    EXPECT_EQ(0, View().Caret().line);

    Show(LoggedText(log, 3, kRun));
    ResizeView(200, 0);
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-3), kNoPoint);
    SendMessageA(ViewWindow(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(ViewWindow(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 9), 0);
    Tick(ViewWindow());
    EXPECT_GE(View().FirstVisibleLine(), 0);
    EXPECT_LE(View().FirstVisibleLine(), 2);
    EXPECT_EQ(2, View().Caret().line);
    EXPECT_EQ(0, log->Count("UpdateTextFace"));
}

TEST_F(Scrolling, ADocumentChangeStartsAtTheTopInTheNewBackground) {
    const auto log = std::make_shared<testsupport::FakeEffectLog>();
    Show(LoggedText(log, 20, kRun));
    ResizeView(200, 140);
    SendMessageA(ViewWindow(), WM_MOUSEWHEEL, Wheel(-6), kNoPoint);
    ASSERT_EQ(6, View().FirstVisibleLine());

    auto replacement = LoggedText(log, 2, kRun);
    replacement->SetBkColor(RGB(40, 0, 0));
    Show(std::move(replacement));
    EXPECT_EQ(0, View().FirstVisibleLine());
    EXPECT_EQ((model::TextPos{0, 0}), View().Caret());
    testsupport::Canvas canvas(200, 140, 0);
    SendMessageA(ViewWindow(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    EXPECT_EQ(RGB(40, 0, 0), canvas.Pixel(100, 50));
}

}  // namespace
}  // namespace apptest
