// What the effects of runs are told and when: binding order, a notification
// after every change, clones for every copy, and runs whose default effect
// could not be created.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/viewer/model/ModelTestSupport.h"
#include "textrun/RunShared.h"
#include "viewer/model/Text.h"

namespace {

using model::Paragraph;
using modeltest::MakeRun;
using Calls = std::vector<std::string>;

class BindingTest : public modeltest::FakeTest {};

TEST_F(BindingTest, NewRunBindsFontCacheThenRun) {
    Paragraph run;
    const Calls calls = log.Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ((Calls{"Created", "SetFontManager", "SetParagraph"}), Calls(calls.begin(), calls.begin() + 3));
    EXPECT_EQ(static_cast<IParagraphAccess*>(&run), Fake(run).Bound());
}

TEST_F(BindingTest, EveryChangeIsFollowedByChangeParagraph) {
    Paragraph run;
    log.lines.clear();
    run.SetText("abc");
    run.SetPoints(30);
    run.SetColor(RGB(1, 2, 3));
    run.SetBkColor(RGB(4, 5, 6));
    run.SetFaceName(run.FaceName().c_str());
    run.InsertText(1, "x");
    run.EraseChars(0, 1);
    run.EraseCharAt(0);
    EXPECT_EQ(Calls(8, "ChangeParagraph"), log.Calls());

    log.lines.clear();
    run.SetFaceName("No Such Face Installed");
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(BindingTest, CopiesCloneAndBindTheEffect) {
    auto run = MakeRun("abc");
    log.lines.clear();
    const int created = fakes.created;
    auto copy = run->Clone();
    // The clone is bound and told of the copied text; no default effect is
    // made for the copy only to be dropped.
    EXPECT_EQ((Calls{"Clone", "Created", "SetFontManager", "SetParagraph", "ChangeParagraph"}), log.Calls());
    EXPECT_EQ(created, fakes.created);
    EXPECT_NE(run->Effect(), copy->Effect());
    EXPECT_EQ(static_cast<IParagraphAccess*>(copy.get()), Fake(*copy).Bound());
    EXPECT_EQ("abc", copy->Bytes());
    EXPECT_EQ(2, log.alive);
}

TEST_F(BindingTest, SetEffectBindsWithoutChangeParagraph) {
    Paragraph run;
    log.lines.clear();
    auto* replacement = new testsupport::FakeEffect(fakes.log, {});
    EXPECT_EQ(S_OK, run.SetEffect(comkit::ComPtr<IViviFont>(replacement)));
    EXPECT_EQ((Calls{"SetFontManager", "SetParagraph"}),
              log.Lines({"SetFontManager", "SetParagraph", "ChangeParagraph"}));
    EXPECT_EQ(replacement, run.Effect());
    EXPECT_EQ(1, log.alive);
}

TEST_F(BindingTest, LinesAndTextsCloneEveryRunsEffect) {
    model::Text text;
    auto line = std::make_unique<model::Line>();
    modeltest::AddRun(*line, "ab");
    modeltest::AddRun(*line, "cd", modeltest::kStyleY);
    text.AppendLine(std::move(line));
    const int created = fakes.created;
    auto copy = text.Clone();
    EXPECT_EQ(created, fakes.created) << "copies clone effects and make none";
    const model::Line& original = *text.LineAt(0);
    const model::Line& cloned = *copy->LineAt(0);
    ASSERT_EQ(2u, cloned.RunCount());
    for (size_t i = 0; i < cloned.RunCount(); ++i) {
        EXPECT_NE(original.Run(i).Effect(), cloned.Run(i).Effect());
        EXPECT_EQ(static_cast<const IParagraphAccess*>(&cloned.Run(i)), Fake(cloned.Run(i)).Bound());
    }
    EXPECT_NE(original.DefaultRun().Effect(), cloned.DefaultRun().Effect());
}

TEST_F(BindingTest, EffectsAreReleasedBeforeTheCacheDeletesTheirFonts) {
    {
        Paragraph first;
        Paragraph second;
    }
    EXPECT_EQ(0, log.alive);
    EXPECT_EQ(0, log.outlivedFont);
}

class MissingEffectTest : public modeltest::ModelTest {
protected:
    MissingEffectTest() : ModelTest(missing) {}
    modeltest::MissingSource missing;
};

TEST_F(MissingEffectTest, ReportedOnceAndEveryPathCopesWithoutAnEffect) {
    model::Text text;
    auto line = std::make_unique<model::Line>();
    line->InsertChars("abc", 0);
    modeltest::AddRun(*line, "de");
    text.AppendLine(std::move(line));
    EXPECT_EQ(1, missing.reports);

    model::Line& first = *text.LineAt(0);
    EXPECT_EQ(nullptr, first.Run(0).Effect());
    // Runs without effects have the same (missing) effect, so they join.
    EXPECT_TRUE(first.MergeEqualRuns());
    EXPECT_EQ(5, first.CharCount());
    EXPECT_EQ(0, first.Width());
    EXPECT_EQ(0, first.Height());
    HDC screen = GetDC(nullptr);
    first.Draw(screen, 0, 0);
    first.Update(screen, 0, 0);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(0, first.GetCaretPos(3).x);
    EXPECT_EQ(1u, first.GetSelectionRects(0, 2).size());
    EXPECT_EQ(5, first.HitTest(40));
    auto copy = text.CopyRange({1, 0}, {4, 0});
    EXPECT_EQ("bcd", copy->LineAt(0)->Run(0).Bytes());
    tagPassLOGFONT font{};
    EXPECT_EQ(S_OK, first.Run(0).Clone()->GetLOGFONT(&font));
    EXPECT_EQ(1, missing.reports);
}

}  // namespace
