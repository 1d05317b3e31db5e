// The undo history: records numbered from a shared sequence, the redo tail
// dropped by a new record, every recorded edit undone to the text it found
// and redone to the text it made, and nothing recorded while replaying.
#include <functional>
#include <string>
#include <vector>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/UndoHistory.h"

namespace {

using model::Text;
using model::TextPos;
// Every line as its runs, each run as its colour's initial and its bytes.
using Snapshot = std::vector<std::vector<std::string>>;

class UndoHistoryTest : public modeltest::FakeTest {
protected:
    // Lines of runs; a run written "Y:text" takes style Y, any other style X.
    static std::unique_ptr<Text> MakeText(const std::vector<std::vector<std::string>>& lines, bool open = false) {
        auto text = std::make_unique<Text>();
        for (const auto& runs : lines) text->AppendLine(MakeLine(runs));
        text->SetLastLineOpen(open);
        return text;
    }
    static std::unique_ptr<model::Line> MakeLine(const std::vector<std::string>& runs) {
        auto line = std::make_unique<model::Line>();
        for (const std::string& run : runs) {
            const bool y = run.rfind("Y:", 0) == 0;
            modeltest::AddRun(*line, y ? run.substr(2) : run, y ? modeltest::kStyleY : modeltest::kStyleX);
        }
        return line;
    }
    static Snapshot Of(const Text& text) {
        Snapshot lines;
        for (int i = 0; i < text.LineCount(); ++i) {
            const model::Line& line = *text.LineAt(i);
            std::vector<std::string> runs;
            for (size_t r = 0; r < line.RunCount(); ++r)
                runs.push_back((line.Run(r).Color() == modeltest::kStyleY ? "Y:" : "") + line.Run(r).Bytes());
            lines.push_back(runs);
        }
        return lines;
    }

    model::UndoSequence sequence;
};

class CountingObserver final : public model::UndoObserver {
public:
    void OnReplayed() override {
        ++replays;
        if (onReplayed) onReplayed();
    }
    int replays = 0;
    std::function<void()> onReplayed;
};

TEST_F(UndoHistoryTest, RecordsAreNumberedAndANewOneDropsTheRedoTail) {
    auto text = MakeText({});
    auto other = MakeText({});
    int raised = 0;
    sequence.onRaised = [&] { ++raised; };
    model::UndoHistory history(*text, sequence);
    model::UndoHistory neighbour(*other, sequence);
    EXPECT_EQ(&history, text->History());
    for (const char* bytes : {"a", "b", "c"}) text->AppendLine(MakeLine({bytes}), true);
    other->AppendLine(MakeLine({"x"}), true);
    text->AppendLine(MakeLine({"unrecorded"}));
    ASSERT_EQ(3u, history.Size());
    EXPECT_EQ(3u, history.Current());
    EXPECT_EQ(4, raised);
    EXPECT_EQ(3, history.SequenceNumber(2));
    EXPECT_EQ(4, neighbour.SequenceNumber(0));

    text->RemoveLinesFrom(3);
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ((Snapshot{{"a"}}), Of(*text));
    text->SplitLine({0, 0}, true);
    EXPECT_EQ(2u, history.Size());
    EXPECT_EQ(5, history.SequenceNumber(1));
    EXPECT_FALSE(history.Redo());
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_FALSE(history.Undo());
    EXPECT_TRUE(Of(*text).empty());
}

TEST_F(UndoHistoryTest, EveryEditIsUndoneToTheTextItFoundAndRedoneToTheTextItMade) {
    const auto open = [](std::vector<std::vector<std::string>> lines) { return MakeText(lines, true); };
    const std::vector<std::pair<std::string, std::function<void(Text&)>>> edits{
        {"closed fragment", [&](Text& t) { t.Insert(*MakeText({{"x"}, {"Y:y"}}), {1, 1}, true); }},
        {"closed one-line fragment", [&](Text& t) { t.Insert(*MakeText({{"Y:x"}}), {0, 0}, true); }},
        {"open fragment", [&](Text& t) { t.Insert(*open({{"x"}, {"Y:y", "z"}}), {2, 0}, true); }},
        {"open one-line fragment", [&](Text& t) { t.Insert(*open({{"Y:xy"}}), {1, 2}, true); }},
        {"fragment past a line end", [&](Text& t) { t.Insert(*open({{"x"}, {"y"}}), {99, 1}, true); }},
        {"appended line", [&](Text& t) { t.AppendLine(MakeLine({"Y:new"}), true); }},
        {"appended text", [&](Text& t) { t.AppendText(*MakeText({{"p"}, {"q"}}), true); }},
        {"split", [&](Text& t) { t.SplitLine({1, 0}, true); }},
        {"split past the end", [&](Text& t) { t.SplitLine({70, 2}, true); }},
        {"deleted character", [&](Text& t) { t.DeleteChar({2, 0}, true); }},
        {"joined lines", [&](Text& t) { t.DeleteChar({3, 1}, true); }},
        {"range in a line", [&](Text& t) { t.DeleteRange({1, 2}, {3, 2}, true); }},
        {"range across lines", [&](Text& t) { t.DeleteRange({1, 0}, {2, 2}, true); }},
        {"range from a line start", [&](Text& t) { t.DeleteRange({0, 0}, {1, 1}, true); }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        auto text = MakeText({{"ab", "Y:c"}, {"def"}, {"Y:gh", "i"}});
        model::UndoHistory history(*text, sequence);
        const Snapshot before = Of(*text);
        edit(*text);
        const Snapshot after = Of(*text);
        ASSERT_NE(before, after);
        // Appended text is recorded line by line.
        ASSERT_EQ(name == "appended text" ? 2u : 1u, history.Size());
        while (history.Undo()) {
        }
        EXPECT_EQ(before, Of(*text));
        while (history.Redo()) {
        }
        EXPECT_EQ(after, Of(*text));
    }
}

TEST_F(UndoHistoryTest, AFragmentInsertedIntoAnEmptyTextIsUndoneWhole) {
    auto text = MakeText({});
    model::UndoHistory history(*text, sequence);
    text->Insert(*MakeText({{"a"}, {"b"}}, true), {5, 5}, true);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(0, text->LineCount());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ((Snapshot{{"a"}, {"b"}}), Of(*text));
}

TEST_F(UndoHistoryTest, EditsThatChangeNothingRecordNothing) {
    auto text = MakeText({{"abc"}, {"def"}});
    model::UndoHistory history(*text, sequence);
    text->DeleteRange({2, 1}, {1, 0}, true);
    text->DeleteChar({3, 1}, true);
    text->Insert(*MakeText({{"x"}}), {0, 7}, true);
    text->Insert(*MakeText({}), {0, 0}, true);
    text->SplitLine({0, -1}, true);
    EXPECT_EQ(0u, history.Size());
}

TEST_F(UndoHistoryTest, ReplayingRecordsNothingAndTellsTheObserver) {
    auto text = MakeText({{"abc"}});
    CountingObserver observer;
    model::UndoHistory history(*text, sequence, &observer);
    observer.onReplayed = [&] { text->AppendLine(MakeLine({"during"}), true); };
    text->DeleteChar({0, 0}, true);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(1, observer.replays);
    EXPECT_EQ(1u, history.Size());
    EXPECT_EQ((Snapshot{{"abc"}, {"during"}}), Of(*text));
}

}  // namespace
