// Many runs, lines and texts built, edited, copied and destroyed leave no run,
// effect or font behind.
#include <gtest/gtest.h>

#include "comkit/ModuleState.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "textrun/RunShared.h"
#include "viewer/model/Text.h"

namespace {

class LeakTest : public modeltest::ModelTest {};

TEST_F(LeakTest, NothingOutlivesTheLastRun) {
    const long effectsBefore = comkit::ModuleState::LiveObjects();
    HFONT font = nullptr;
    {
        model::Text text;
        for (int i = 0; i < 300; ++i) {
            auto line = std::make_unique<model::Line>();
            line->InsertChars(modeltest::Sjis(L"日本語 text"), 0);
            modeltest::AddRun(*line, "styled", modeltest::kStyleY);
            line->InsertChars("x", 3);
            text.AppendLine(std::move(line));
        }
        for (int i = 0; i < 100; ++i) {
            text.SplitLine({4, i * 2});
            text.DeleteChar({1, i});
        }
        auto copy = text.CopyRange({2, 10}, {5, 250});
        text.Insert(*copy, {3, 20});
        text.DeleteRange({1, 5}, {2, 60});
        text.LineAt(0)->CopyFrom(*text.LineAt(1));
        auto clone = text.Clone();
        clone->SetBkColor(RGB(0, 0, 64));
        text.Insert(*clone, {0, 0});
        EXPECT_GT(textrun::RunShared::LiveCount(), 1000);

        tagPassLOGFONT logFont{};
        text.LineAt(0)->Run(0).Clone()->GetLOGFONT(&logFont);
        textrun::RunShared::Fonts()->GetFontIndirect(&logFont, &font);
        ASSERT_EQ(OBJ_FONT, GetObjectType(font));
    }
    EXPECT_EQ(0, textrun::RunShared::LiveCount());
    EXPECT_EQ(nullptr, textrun::RunShared::Fonts());
    EXPECT_EQ(effectsBefore, comkit::ModuleState::LiveObjects());
    EXPECT_EQ(0u, GetObjectType(font));
}

}  // namespace
