// The caret under the keys: line ends, short lines, double-byte characters,
// half-page moves, the partial line below the screen, and where the system
// caret goes on a line of runs of different heights.
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "viewer/interaction/ViewInteraction.h"

namespace interactiontest {
namespace {

using model::TextPos;

class CaretTest : public InteractionTest {
protected:
    static void Press(interaction::ViewInteraction& view, UINT key, bool ctrl = false) {
        view.OnKeyDown(key, ctrl, false);
    }
};

TEST_F(CaretTest, ArrowsWrapAtLineEndsAndStopAtTheTextEnds) {
    FakeView window(400);
    AddLines(window.text, {"abc", "de"});
    interaction::ViewInteraction view(window);
    Press(view, VK_LEFT);
    EXPECT_EQ((TextPos{0, 0}), view.Caret());
    Press(view, VK_END);
    EXPECT_EQ((TextPos{3, 0}), view.Caret());
    Press(view, VK_RIGHT);
    EXPECT_EQ((TextPos{0, 1}), view.Caret());
    Press(view, VK_LEFT);
    EXPECT_EQ((TextPos{3, 0}), view.Caret());
    Press(view, VK_END, true);
    EXPECT_EQ((TextPos{2, 1}), view.Caret());
    Press(view, VK_RIGHT);
    EXPECT_EQ((TextPos{2, 1}), view.Caret());
    Press(view, VK_HOME);
    EXPECT_EQ((TextPos{0, 1}), view.Caret());
    Press(view, VK_END);
    Press(view, VK_HOME, true);
    EXPECT_EQ((TextPos{0, 0}), view.Caret());
}

TEST_F(CaretTest, TheColumnIsNotRememberedAcrossShortLines) {
    FakeView window(400);
    AddLines(window.text, {"abcdefghijklmno", "abcde", "", "abcdefghijklmno"});
    interaction::ViewInteraction view(window);
    view.SetCaretLine({12, 0});
    Press(view, VK_DOWN);
    EXPECT_EQ((TextPos{5, 1}), view.Caret());
    Press(view, VK_DOWN);
    EXPECT_EQ((TextPos{0, 2}), view.Caret());
    Press(view, VK_DOWN);
    EXPECT_EQ((TextPos{0, 3}), view.Caret());
}

TEST_F(CaretTest, ADoubleByteCharacterIsOneStep) {
    FakeView window(400);
    AddLines(window.text, {modeltest::Sjis(L"日本a")});
    interaction::ViewInteraction view(window);
    Press(view, VK_RIGHT);
    EXPECT_EQ((TextPos{1, 0}), view.Caret());
    EXPECT_EQ(10 + 10, window.caretPoint.x);
    Press(view, VK_END);
    EXPECT_EQ((TextPos{3, 0}), view.Caret());
}

TEST_F(CaretTest, PageKeysMoveHalfTheWhollyVisibleLines) {
    // Lines are 20 high and 23 apart: 170 pixels show 7 whole lines.
    FakeView window(170);
    AddLines(window.text, std::vector<std::string>(20, "abc"));
    interaction::ViewInteraction view(window);
    ASSERT_EQ(7, window.Layout().fullyVisible);
    Press(view, VK_NEXT);
    EXPECT_EQ((TextPos{0, 3}), view.Caret());
    Press(view, VK_PRIOR);
    EXPECT_EQ((TextPos{0, 0}), view.Caret());

    window.clientHeight = 30;
    ASSERT_EQ(1, window.Layout().fullyVisible);
    Press(view, VK_NEXT);
    EXPECT_EQ((TextPos{0, 0}), view.Caret());
}

TEST_F(CaretTest, DownFromTheLastWholeLineUsesThePartialLineBeforeScrolling) {
    FakeView window(170);
    AddLines(window.text, std::vector<std::string>(20, "abc"));
    interaction::ViewInteraction view(window);
    view.SetCaretLine({0, 6});
    Press(view, VK_DOWN);
    EXPECT_EQ((TextPos{0, 7}), view.Caret());
    EXPECT_EQ(0, window.first);
    EXPECT_FALSE(window.scrolls.empty());  // repainted all the same
    Press(view, VK_DOWN);
    EXPECT_EQ((TextPos{0, 8}), view.Caret());
    EXPECT_EQ(1, window.first);
    EXPECT_EQ(8, window.Layout().PartialLine());
    Press(view, VK_HOME, true);
    EXPECT_EQ(0, window.first);
}

TEST_F(CaretTest, TheCaretSitsOnTheLinesBottomEdge) {
    FakeView window(400);
    AddLine(window.text, {{"ab", {.tag = "short", .height = 20}}, {"cd", {.tag = "tall", .height = 30}}});
    window.scrollX = 4;
    interaction::ViewInteraction view(window);
    view.PlaceCaret();
    EXPECT_EQ((POINT{10 - 4, 5 + 30 - 20}), window.caretPoint);
    EXPECT_EQ(20, window.caretHeight);
    view.SetCaretLine({3, 0});
    EXPECT_EQ((POINT{10 - 4 + 30, 5}), window.caretPoint);
    EXPECT_EQ(30, window.caretHeight);
}

TEST_F(CaretTest, AnEmptyTextKeepsTheCaretAtItsStart) {
    FakeView window(400);
    interaction::ViewInteraction view(window);
    for (UINT key : {VK_DOWN, VK_RIGHT, VK_END, VK_NEXT}) Press(view, key, true);
    view.SetCaretLine({4, 2});
    EXPECT_EQ((TextPos{0, 0}), view.Caret());
    view.PlaceCaret();
    EXPECT_EQ((POINT{10, 5}), window.caretPoint);
    EXPECT_TRUE(window.scrolls.empty());
}

}  // namespace
}  // namespace interactiontest
