// The mouse reaching the effects: leave, enter and move in that order with
// points relative to the run, presses without an enter, the horizontal
// scroll offset, right edges outside a run, and the partial line left out.
#include "tests/viewer/interaction/InteractionTestSupport.h"
#include "viewer/interaction/ViewInteraction.h"

namespace interactiontest {
namespace {

using Log = std::vector<std::string>;

class MouseTest : public InteractionTest {
protected:
    // Runs A ("ab", 20 high) and B ("cd", 30 high) on line 0: A spans x 10 to
    // 30 and y 15 to 35, B x 30 to 50 and y 5 to 35.
    void SetUp() override {
        InteractionTest::SetUp();
        window = std::make_unique<FakeView>(400);
        view = std::make_unique<interaction::ViewInteraction>(*window);
        AddLine(window->text, {{"ab", {"A", 20}}, {"cd", {"B", 30}}});
        AddLine(window->text, {{"ef", {"C", 20}}});
    }
    // The runs go before the check that none outlived the test.
    void TearDown() override {
        view.reset();
        window.reset();
        InteractionTest::TearDown();
    }
    Log Take() { return std::exchange(source.log, {}); }

    // Made once the test's effects are installed.
    std::unique_ptr<FakeView> window;
    std::unique_ptr<interaction::ViewInteraction> view;
};

TEST_F(MouseTest, MovesAcrossRunsGiveLeaveThenEnterThenMove) {
    view->OnMouseMove({15, 20});
    EXPECT_EQ((Log{"Enter A", "Move A 5,5"}), Take());
    view->OnMouseMove({35, 12});
    EXPECT_EQ((Log{"Leave A", "Enter B", "Move B 5,7"}), Take());
    view->OnMouseMove({36, 12});
    EXPECT_EQ((Log{"Move B 6,7"}), Take());
    // Over the line but right of the last run's rectangle: no run.
    view->OnMouseMove({50, 12});
    EXPECT_EQ((Log{"Leave B"}), Take());
    view->OnMouseMove({15, 10});  // above the short run A
    EXPECT_EQ(Log{}, Take());
}

TEST_F(MouseTest, APressReachesTheRunUnderItWithoutAnEnter) {
    view->OnMouseMove({35, 12});
    Take();
    view->OnLButtonDown({15, 20});
    EXPECT_EQ((Log{"Down A 5,5"}), Take());
    view->OnLButtonUp({15, 20});
    EXPECT_EQ(Log{}, Take());
}

TEST_F(MouseTest, PointsAreShiftedByTheHorizontalScroll) {
    window->scrollX = 25;
    view->OnMouseMove({10, 10});
    EXPECT_EQ((Log{"Enter B", "Move B 5,5"}), Take());
}

TEST_F(MouseTest, ThePartialLineBelowHearsNothing) {
    window->clientHeight = 40;  // line 1 starts at 38 and is not whole
    view->OnMouseMove({15, 45});
    view->OnLButtonDown({15, 45});
    EXPECT_EQ(Log{}, Take());
}

TEST_F(MouseTest, ANewDocumentForgetsTheHoveredRunWithoutALeave) {
    view->OnMouseMove({15, 20});
    Take();
    view->OnDocumentChanged();
    view->OnMouseMove({35, 12});
    EXPECT_EQ((Log{"Enter B", "Move B 5,7"}), Take());
}

}  // namespace
}  // namespace interactiontest
