// The selection: Shift with the arrows, dragging, clicks, Select All, and
// its outline on screen. An empty selection never turns into a stale range.
#include "tests/support/Canvas.h"
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "viewer/interaction/SelectionOutline.h"
#include "viewer/interaction/ViewInteraction.h"

namespace interactiontest {
namespace {

using model::TextPos;

// The client point of a column on a line of ten-pixel characters, 23-pixel line pitch.
POINT At(TextPos pos) { return POINT{10 + pos.column * 10, 5 + pos.line * 23 + 10}; }

class SelectionTest : public InteractionTest {
protected:
    static void Key(interaction::ViewInteraction& view, UINT key, bool shift) { view.OnKeyDown(key, false, shift); }
    static void Click(interaction::ViewInteraction& view, TextPos pos) {
        view.OnLButtonDown(At(pos));
        view.OnLButtonUp(At(pos));
    }
    static std::pair<TextPos, TextPos> Range(const FakeView& window) {
        return {window.selection.Start(), window.selection.End()};
    }
};

TEST_F(SelectionTest, ShiftArrowsSelectAndAPlainArrowClears) {
    FakeView window(400);
    AddLines(window.text, {"abcdefgh"});
    interaction::ViewInteraction view(window);
    view.SetCaretLine({2, 0});
    for (int i = 0; i < 3; ++i) Key(view, VK_RIGHT, true);
    ASSERT_TRUE(view.CanCopy());
    EXPECT_EQ(std::make_pair(TextPos{2, 0}, TextPos{5, 0}), Range(window));
    EXPECT_EQ(3, window.drawsOnWindow);

    window.invalidated.clear();
    Key(view, VK_RIGHT, false);
    EXPECT_FALSE(window.selection.IsActive());
    EXPECT_FALSE(view.CanCopy());
    EXPECT_EQ((TextPos{6, 0}), view.Caret());
    ASSERT_EQ(1u, window.invalidated.size());  // where the old outline was
    EXPECT_EQ((RECT{10 + 20 - 1, 4, 10 + 50 + 1, 26}), window.invalidated[0]);
}

TEST_F(SelectionTest, AnEmptySelectionLeftByShiftIsClearedByAPlainArrow) {
    FakeView window(400);
    AddLines(window.text, {"abcdefgh"});
    interaction::ViewInteraction view(window);
    view.SetCaretLine({2, 0});
    Key(view, VK_RIGHT, true);
    Key(view, VK_LEFT, true);
    Key(view, VK_RIGHT, false);
    EXPECT_FALSE(window.selection.IsActive());
    EXPECT_FALSE(view.CanCopy());
    EXPECT_FALSE(view.OnEditCopy());
    // The next selection starts at the caret, not at the old anchor.
    Key(view, VK_RIGHT, true);
    EXPECT_EQ(std::make_pair(TextPos{3, 0}, TextPos{4, 0}), Range(window));
}

TEST_F(SelectionTest, ADragSelectsBetweenItsEndsInTextOrder) {
    FakeView window(400);
    AddLines(window.text, {"abcdef", "abcdef", "abcdef"});
    interaction::ViewInteraction view(window);
    view.OnLButtonDown(At({3, 0}));
    EXPECT_TRUE(window.captured);
    view.OnMouseMove(At({1, 2}));
    EXPECT_EQ(std::make_pair(TextPos{3, 0}, TextPos{1, 2}), Range(window));
    view.OnMouseMove(At({1, 0}));
    view.OnLButtonUp(At({1, 0}));
    EXPECT_FALSE(window.captured);
    EXPECT_TRUE(view.CanCopy());
    EXPECT_EQ(std::make_pair(TextPos{1, 0}, TextPos{3, 0}), Range(window));
    EXPECT_EQ((TextPos{1, 0}), view.Caret());

    // A press starts afresh: the old selection goes.
    view.OnLButtonDown(At({5, 1}));
    EXPECT_FALSE(window.selection.IsActive());
    view.OnLButtonUp(At({5, 1}));
    EXPECT_FALSE(window.selection.IsActive());
}

TEST_F(SelectionTest, ADragBackToItsStartLeavesNothingForTheNextClick) {
    FakeView window(400);
    AddLines(window.text, {"abcdef"});
    interaction::ViewInteraction view(window);
    view.OnLButtonDown(At({3, 0}));
    view.OnMouseMove(At({5, 0}));
    view.OnMouseMove(At({3, 0}));
    view.OnLButtonUp(At({3, 0}));
    EXPECT_FALSE(view.CanCopy());
    Click(view, {1, 0});
    EXPECT_FALSE(window.selection.IsActive());
    EXPECT_FALSE(view.CanCopy());
}

TEST_F(SelectionTest, SelectAllSpansTheTextAndLeavesTheCaret) {
    FakeView window(400);
    interaction::ViewInteraction view(window);
    view.OnEditSelectAll();
    EXPECT_FALSE(window.selection.IsActive());
    AddLines(window.text, {"ab", "cde"});
    view.SetCaretLine({1, 0});
    view.OnEditSelectAll();
    EXPECT_EQ(std::make_pair(TextPos{0, 0}, TextPos{3, 1}), Range(window));
    EXPECT_EQ((TextPos{1, 0}), view.Caret());
    EXPECT_EQ(1, window.wholeInvalidations);
}

TEST_F(SelectionTest, TheOutlineIsOnePixelOutsideTheRunsInTheWindowColour) {
    FakeView window(400);
    AddLine(window.text, {{"ab"}, {"cd", {.tag = "tall", .height = 30}}});
    const auto outline = interaction::SelectionOutline(window.text, window.Layout(), {1, 0}, {3, 0});
    ASSERT_EQ(2u, outline.size());
    EXPECT_EQ((RECT{10 + 10 - 1, 5 + 10 - 1, 10 + 20 + 1, 5 + 30 + 1}), outline[0]);
    EXPECT_EQ((RECT{10 + 20 - 1, 5 - 1, 10 + 30 + 1, 5 + 30 + 1}), outline[1]);

    testsupport::Canvas canvas(100, 50, RGB(0, 0, 0));
    interaction::DrawOutline(canvas.dc(), outline);
    const COLORREF window_colour = GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(window_colour, canvas.Pixel(outline[0].left, outline[0].top));
    EXPECT_EQ(window_colour, canvas.Pixel(outline[1].right - 1, outline[1].bottom - 1));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(15 + 10, 20));  // hollow
}

TEST_F(SelectionTest, OnlyTheLinesOnScreenAreOutlined) {
    FakeView window(170);  // 7 whole lines and a partial one
    AddLines(window.text, std::vector<std::string>(20, "abc"));
    window.first = 5;
    const auto outline = interaction::SelectionOutline(window.text, window.Layout(), {2, 1}, {1, 19});
    ASSERT_EQ(8u, outline.size());
    EXPECT_EQ((RECT{9, 4, 41, 26}), outline.front());  // the whole first visible line
    EXPECT_EQ(41, outline.back().right);                // the partial line to its end
    EXPECT_TRUE(interaction::SelectionOutline(window.text, window.Layout(), {0, 14}, {1, 19}).empty());
}

}  // namespace
}  // namespace interactiontest
