// Editing a line of runs: characters go into the right run, emptied runs go,
// and neighbours of equal style are joined.
#include <gtest/gtest.h>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/Line.h"
#include "textrun/RunShared.h"

namespace {

using model::Line;
using modeltest::AddRun;
using modeltest::kStyleX;
using modeltest::kStyleY;
using modeltest::RunTexts;
using modeltest::Sjis;
using Texts = std::vector<std::string>;

class LineEditTest : public modeltest::FakeTest {
protected:
    static void Fill(Line& line, std::initializer_list<std::pair<const char*, COLORREF>> runs) {
        for (const auto& [bytes, color] : runs) AddRun(line, bytes, color);
    }
};

struct Recorder final : model::LineListener {
    void OnRunDeleted(model::Paragraph& run) override { deleted.push_back(run.Bytes()); }
    Texts deleted;
};

TEST_F(LineEditTest, CharactersTakeTheStyleOfTheRunAfterTheColumn) {
    Line empty;
    empty.InsertChars("xy", 5);
    ASSERT_EQ(Texts{"xy"}, RunTexts(empty));
    EXPECT_EQ(empty.DefaultRun().Color(), empty.Run(0).Color());

    Line line;
    Fill(line, {{"ab", kStyleX}, {"cd", kStyleY}});
    line.InsertChars("1", 2);
    EXPECT_EQ((Texts{"ab", "1cd"}), RunTexts(line));
    line.InsertChars("2", 5);
    line.InsertChars("3", model::kEndOfLine);
    EXPECT_EQ((Texts{"ab", "1cd23"}), RunTexts(line));
    line.InsertChars(Sjis(L"日"), 0);
    EXPECT_EQ(Sjis(L"日") + "ab", line.Run(0).Bytes());
    EXPECT_EQ(8, line.CharCount());
}

TEST_F(LineEditTest, DeleteCharRemovesWholeDoubleByteCharacters) {
    Line line;
    AddRun(line, Sjis(L"日本a"));
    line.DeleteChar(1);
    EXPECT_EQ(Texts{Sjis(L"日a")}, RunTexts(line));
    line.DeleteChar(7);
    EXPECT_EQ(Texts{Sjis(L"日a")}, RunTexts(line));
}

TEST_F(LineEditTest, EmptiedMiddleRunJoinsNeighboursOfEqualStyleOnly) {
    Line same;
    Fill(same, {{"ab", kStyleX}, {"c", kStyleY}, {"de", kStyleX}});
    same.DeleteChar(2);
    EXPECT_EQ(Texts{"abde"}, RunTexts(same));

    Line different;
    Fill(different, {{"ab", kStyleX}, {"c", kStyleY}, {"de", RGB(0, 255, 0)}});
    different.DeleteChar(2);
    EXPECT_EQ((Texts{"ab", "de"}), RunTexts(different));
}

TEST_F(LineEditTest, DeleteRangeAcrossRuns) {
    Line joined;
    Fill(joined, {{"ab", kStyleX}, {"cd", kStyleY}, {"ef", kStyleX}});
    joined.DeleteRange(1, 5);
    EXPECT_EQ(Texts{"af"}, RunTexts(joined));

    Line kept;
    Fill(kept, {{"ab", kStyleX}, {"cd", kStyleY}, {"ef", RGB(0, 255, 0)}, {"gh", kStyleX}});
    kept.DeleteRange(3, 5);
    EXPECT_EQ((Texts{"ab", "c", "f", "gh"}), RunTexts(kept));

    // Whole runs at both ends: the runs outside the range meet.
    Line ends;
    Fill(ends, {{"ab", kStyleX}, {"cd", kStyleY}, {"ef", kStyleY}, {"gh", kStyleX}});
    ends.DeleteRange(2, 6);
    EXPECT_EQ(Texts{"abgh"}, RunTexts(ends));

    Line within;
    AddRun(within, Sjis(L"日本語です"));
    within.DeleteRange(1, 3);
    EXPECT_EQ(Texts{Sjis(L"日です")}, RunTexts(within));
}

TEST_F(LineEditTest, DeleteRangeOfEverythingLeavesNoRuns) {
    Line line;
    Fill(line, {{"ab", kStyleX}, {"cd", kStyleY}, {"ef", kStyleX}});
    line.DeleteRange(0, line.CharCount());
    EXPECT_EQ(0u, line.RunCount());
    EXPECT_EQ(0, line.CharCount());
    EXPECT_EQ(1, log.alive) << "only the default run's effect is left";
}

TEST_F(LineEditTest, EmptyOrReversedRangeChangesNothingAndKeepsTheLayout) {
    Line line;
    Fill(line, {{"abc", kStyleX}});
    line.Recalc();
    const int queries = log.areaQueries;
    line.DeleteRange(2, 2);
    line.DeleteRange(3, 1);
    line.Recalc();
    EXPECT_EQ(queries, log.areaQueries);
    EXPECT_EQ(Texts{"abc"}, RunTexts(line));
    line.DeleteChar(0);
    line.Recalc();
    EXPECT_LT(queries, log.areaQueries);
}

TEST_F(LineEditTest, SplitMovesTheTailIntoANewLine) {
    Line whole;
    Fill(whole, {{"ab", kStyleX}, {"cd", kStyleY}});
    auto all = whole.Split(0);
    EXPECT_EQ(0u, whole.RunCount());
    EXPECT_EQ((Texts{"ab", "cd"}), RunTexts(*all));

    auto none = all->Split(4);
    EXPECT_EQ(0u, none->RunCount());
    EXPECT_EQ(2u, all->RunCount());

    auto inside = all->Split(3);
    EXPECT_EQ((Texts{"ab", "c"}), RunTexts(*all));
    EXPECT_EQ(Texts{"d"}, RunTexts(*inside));
    EXPECT_EQ(kStyleY, inside->Run(0).Color());
    EXPECT_EQ(all->DefaultRun().Color(), inside->DefaultRun().Color());
}

TEST_F(LineEditTest, AppendJoinsTheJointAndLeavesTheSourceAlone) {
    Line line;
    Fill(line, {{"ab", kStyleX}});
    Line source;
    Fill(source, {{"cd", kStyleX}, {"ef", kStyleY}});
    line.Append(source);
    EXPECT_EQ((Texts{"abcd", "ef"}), RunTexts(line));
    EXPECT_EQ((Texts{"cd", "ef"}), RunTexts(source));
}

TEST_F(LineEditTest, InsertLineCutsTheRunAndJoinsEqualNeighbours) {
    Line source;
    Fill(source, {{"XY", kStyleY}});
    Line middle;
    Fill(middle, {{"abcd", kStyleX}});
    EXPECT_FALSE(middle.InsertLine(source, 2));
    EXPECT_EQ((Texts{"ab", "XY", "cd"}), RunTexts(middle));

    Line boundary;
    Fill(boundary, {{"ab", kStyleX}, {"cd", kStyleY}});
    EXPECT_TRUE(boundary.InsertLine(source, 2));
    EXPECT_EQ((Texts{"ab", "XYcd"}), RunTexts(boundary));

    Line end;
    Fill(end, {{"ab", kStyleX}});
    EXPECT_FALSE(end.InsertLine(source, model::kEndOfLine));
    EXPECT_EQ((Texts{"ab", "XY"}), RunTexts(end));

    Line empty;
    empty.InsertLine(source, 0);
    EXPECT_EQ(Texts{"XY"}, RunTexts(empty));
}

TEST_F(LineEditTest, MergeEqualRunsJoinsEveryAdjacentPair) {
    Line line;
    Fill(line, {{"a", kStyleX}, {"b", kStyleX}, {"c", kStyleX}, {"d", kStyleY}, {"e", kStyleY}, {"f", kStyleX}});
    EXPECT_TRUE(line.MergeEqualRuns());
    EXPECT_EQ((Texts{"abc", "de", "f"}), RunTexts(line));
    EXPECT_FALSE(line.MergeEqualRuns());
}

TEST_F(LineEditTest, GetTextOfAnEmptyLineLeavesTheStringAlone) {
    Line line;
    std::string text = "unchanged";
    EXPECT_EQ(0, line.GetText(text));
    EXPECT_EQ("unchanged", text);
    Fill(line, {{"ab", kStyleX}, {"cd", kStyleY}});
    EXPECT_EQ(4, line.GetText(text));
    EXPECT_EQ("abcd", text);
}

TEST_F(LineEditTest, ListenerHearsOfEveryDestroyedRunButNotTheDefaultRun) {
    Recorder recorder;
    {
        Line line;
        line.SetListener(&recorder);
        Fill(line, {{"ab", kStyleX}, {"c", kStyleY}, {"de", kStyleX}, {"f", kStyleY}});
        line.DeleteChar(2);
        EXPECT_EQ((Texts{"de", ""}), recorder.deleted);
    }
    EXPECT_EQ((Texts{"de", "", "abde", "f"}), recorder.deleted);
}

TEST_F(LineEditTest, CopyFromReplacesRunsWithoutLeakingThem) {
    Line line;
    Fill(line, {{"old", kStyleX}, {"runs", kStyleY}});
    Line source;
    Fill(source, {{"new", kStyleY}});
    const int before = textrun::RunShared::LiveCount();
    line.CopyFrom(source);
    EXPECT_EQ(Texts{"new"}, RunTexts(line));
    EXPECT_EQ(before - 1, textrun::RunShared::LiveCount());
    auto clone = line.Clone();
    EXPECT_EQ(Texts{"new"}, RunTexts(*clone));
}

}  // namespace
