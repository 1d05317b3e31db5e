// Line layout: runs side by side on a common bottom edge, and the caret,
// selection and hit geometry taken from the effects' widths.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/Canvas.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/Line.h"

// Rectangles compare field by field.
static bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {

using model::Line;
using modeltest::AddRun;
using modeltest::Sjis;
using Calls = std::vector<std::string>;

class LayoutTest : public modeltest::FakeTest {
protected:
    // A run whose fake is charWidth per character, margin before the text
    // and slack after it.
    void AddShaped(Line& line, const char* bytes, int height, int charWidth = 10, int margin = 0, int slack = 0) {
        fakes.options.height = height;
        fakes.options.charWidth = charWidth;
        fakes.options.margin = margin;
        fakes.options.slack = slack;
        AddRun(line, bytes);
    }
};

TEST_F(LayoutTest, EmptyLineIsAsHighAsItsDefaultRunAndHasNoExtent) {
    fakes.options.height = 24;
    Line line;
    EXPECT_EQ(24, line.Height());
    EXPECT_EQ(0, line.Width());
    EXPECT_TRUE(line.GetSelectionRects(0, model::kEndOfLine).empty());
    EXPECT_EQ(0, line.HitTest(50));
    const model::CaretPos caret = line.GetCaretPos(3);
    EXPECT_EQ(0, caret.x);
    EXPECT_EQ(24, caret.height);
    EXPECT_EQ(line.DefaultRun().GetLogFont().lfHeight, caret.font.lfHeight);
}

TEST_F(LayoutTest, RunsAreDrawnBottomAlignedSideBySide) {
    Line line;
    AddShaped(line, "ab", 20);
    AddShaped(line, "cde", 30);
    EXPECT_EQ(30, line.Height());
    EXPECT_EQ(50, line.Width());
    EXPECT_EQ(5, line.CharCount());
    log.lines.clear();
    line.Draw(nullptr, 10, 5);
    line.Update(nullptr, 10, 5);
    EXPECT_EQ((Calls{"DrawTextFace 10,15", "DrawTextFace 30,5", "UpdateTextFace 10,15", "UpdateTextFace 30,5"}),
              log.lines);
    EXPECT_EQ(20, line.RunX(1));
    EXPECT_EQ(50, line.RunX(7));
}

TEST_F(LayoutTest, ATallerDefaultRunSetsTheLeastHeight) {
    fakes.options.height = 40;
    Line line;
    AddShaped(line, "ab", 20);
    EXPECT_EQ(40, line.Height());
    log.lines.clear();
    line.Draw(nullptr, 0, 0);
    EXPECT_EQ(Calls{"DrawTextFace 0,20"}, log.lines);
}

TEST_F(LayoutTest, CaretOnARunBoundaryIsAtTheFollowingRun) {
    Line line;
    AddShaped(line, "abc", 20);
    AddShaped(line, "de", 30, 7);
    model::CaretPos caret = line.GetCaretPos(3);
    EXPECT_EQ(30, caret.x);
    EXPECT_EQ(30, caret.height);
    EXPECT_EQ(37, line.GetCaretPos(4).x);
    EXPECT_EQ(44, line.GetCaretPos(model::kEndOfLine).x);
    caret = line.GetCaretPos(1);
    EXPECT_EQ(10, caret.x);
    EXPECT_EQ(20, caret.height);
}

TEST_F(LayoutTest, SelectionRectanglesFollowRunsAndTextWidths) {
    Line line;
    AddShaped(line, "abc", 20);
    AddShaped(line, "de", 30);
    AddShaped(line, "fg", 25, 10, 0, 6);
    // The last run's rectangle ends at its text, not at its wider drawing area.
    const std::vector<RECT> all{{0, 10, 30, 30}, {30, 0, 50, 30}, {50, 5, 70, 30}};
    EXPECT_EQ(all, line.GetSelectionRects(0, model::kEndOfLine));
    EXPECT_EQ(line.GetSelectionRects(1, 4), line.GetSelectionRects(4, 1));
    EXPECT_EQ((std::vector<RECT>{{10, 10, 30, 30}, {30, 0, 40, 30}}), line.GetSelectionRects(1, 4));
    EXPECT_EQ((std::vector<RECT>{{20, 10, 20, 30}}), line.GetSelectionRects(2, 2));
    // Ending on a boundary leaves an empty rectangle at the next run's edge.
    EXPECT_EQ((std::vector<RECT>{{10, 10, 30, 30}, {30, 0, 30, 30}}), line.GetSelectionRects(1, 3));
}

TEST_F(LayoutTest, HitTestFindsTheNearestBoundary) {
    Line line;
    fakes.options.widths = {0, 40, 50, 60};
    AddRun(line, "abc");
    EXPECT_EQ(1, line.HitTest(45));
    EXPECT_EQ(2, line.HitTest(46));
    EXPECT_EQ(0, line.HitTest(0));
    EXPECT_EQ(0, line.HitTest(-20));
    EXPECT_EQ(3, line.HitTest(60));
    EXPECT_EQ(3, line.HitTest(100));
    EXPECT_EQ(0, line.HitTest(20));
    EXPECT_EQ(1, line.HitTest(21));
}

TEST_F(LayoutTest, HitTestInAMarginOrPastTheTextStaysInThatRun) {
    Line line;
    AddShaped(line, "ab", 20, 10, 0, 15);
    AddShaped(line, "cd", 20, 10, 8);
    ASSERT_EQ(35, line.RunX(1));
    EXPECT_EQ(2, line.HitTest(30)) << "right of the first run's text";
    EXPECT_EQ(2, line.HitTest(38)) << "in the second run's margin";
    EXPECT_EQ(3, line.HitTest(35 + 8 + 6));
    EXPECT_EQ(4, line.HitTest(35 + 28));
}

// The same layout drawn for real by the Static effect into a bitmap.
class StaticLayoutTest : public modeltest::ModelTest {};

int Ink(const testsupport::Canvas& canvas, RECT area) {
    const int pixels = std::max(0L, area.right - area.left) * std::max(0L, area.bottom - area.top);
    return pixels - canvas.Count(RGB(0, 0, 0), area);
}

TEST_F(StaticLayoutTest, DrawsRunsOnTheLinesBottomEdge) {
    Line line;
    auto small = modeltest::MakeRun("abc");
    small->SetPoints(12);
    auto big = modeltest::MakeRun(Sjis(L"日本"));
    big->SetPoints(28);
    line.AppendRun(std::move(small));
    line.AppendRun(std::move(big));
    const SIZE a = line.Run(0).DrawingArea();
    const SIZE b = line.Run(1).DrawingArea();
    ASSERT_GT(b.cy, a.cy);
    ASSERT_GT(a.cx, 0);
    EXPECT_EQ(std::max(b.cy, line.DefaultRun().DrawingArea().cy), line.Height());
    EXPECT_EQ(a.cx + b.cx, line.Width());

    testsupport::Canvas canvas(400, 120, RGB(0, 0, 0));
    const int x = 10, y = 5, h = line.Height();
    line.Draw(canvas.dc(), x, y);
    const RECT smallCell{x, y + h - a.cy, x + a.cx, y + h};
    const RECT bigCell{x + a.cx, y + h - b.cy, x + a.cx + b.cx, y + h};
    EXPECT_GT(Ink(canvas, smallCell), 0);
    EXPECT_GT(Ink(canvas, bigCell), 0);
    EXPECT_EQ(0, Ink(canvas, {x, 0, x + a.cx, smallCell.top})) << "nothing above the short run";
    EXPECT_EQ(Ink(canvas, {0, 0, 400, 120}), Ink(canvas, smallCell) + Ink(canvas, bigCell));
}

TEST_F(StaticLayoutTest, CaretAndHitTestAgreeWithTheEffectsWidths) {
    Line line;
    AddRun(line, "Wil");
    AddRun(line, Sjis(L"日本"), modeltest::kStyleY);
    const model::Paragraph& first = line.Run(0);
    const model::Paragraph& second = line.Run(1);
    const int firstWidth = first.DrawingArea().cx;
    for (int column = 0; column <= 5; ++column) {
        const int expected = column < 3 ? first.Width(column) : firstWidth + second.Width(column - 3);
        const int x = line.GetCaretPos(column).x;
        EXPECT_EQ(expected, x) << column;
        EXPECT_EQ(column, line.HitTest(x)) << column;
    }
    const std::vector<RECT> rects = line.GetSelectionRects(1, 4);
    ASSERT_EQ(2u, rects.size());
    EXPECT_EQ(first.Width(1), rects[0].left);
    EXPECT_EQ(firstWidth, rects[0].right);
    EXPECT_EQ(firstWidth + second.Width(1), rects[1].right);
    EXPECT_EQ(line.Height(), rects[1].bottom);
}

}  // namespace
