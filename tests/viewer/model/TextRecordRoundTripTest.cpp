// A text written as a record and read back: several lines, Japanese and
// ASCII runs, Static and Rain runs with settings of their own, a face other
// than the default, and the record of a range.
#include <gtest/gtest.h>

#include "appkit/archive/MemoryArchive.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "textrun/RunShared.h"
#include "viewer/model/Text.h"

namespace {

using model::Paragraph;
using model::Text;
using Data = std::vector<std::uint8_t>;
using recordtest::Summary;

class RecordRoundTripTest : public modeltest::ModelTest {
protected:
    // An installed face that new runs do not start with.
    static std::string OtherFace(const std::string& usual) {
        for (const LOGFONTA& font : textrun::RunShared::InstalledFonts()) {
            if (usual != font.lfFaceName && font.lfFaceName[0] != '@') return font.lfFaceName;
        }
        return usual;
    }
    Data Stored(Text& text) {
        appkit::MemoryArchive archive;
        text.Serialize(archive, host);
        return archive.Bytes();
    }
    void Load(Text& text, const Data& record) {
        appkit::MemoryArchive archive(record);
        ASSERT_TRUE(text.Serialize(archive, host));
        EXPECT_TRUE(archive.AtEnd());
        EXPECT_TRUE(host.messages.empty());
    }

    recordtest::TestRecordHost host = recordtest::TestRecordHost::WithStaticAndRain();
};

TEST_F(RecordRoundTripTest, MixedTextComesBackEqual) {
    Text text;
    auto first = std::make_unique<model::Line>();
    first->AppendRun(modeltest::MakeRun("Hello "));
    first->AppendRun(recordtest::RainRun(modeltest::Sjis(L"日本語"), 3, 40));
    auto world = modeltest::MakeRun(" world", RGB(0, 255, 0));
    world->SetPoints(20);
    ASSERT_TRUE(world->SetFaceName(OtherFace(world->FaceName()).c_str()));
    first->AppendRun(std::move(world));
    text.AppendLine(std::move(first));
    text.AppendLine(std::make_unique<model::Line>());
    auto last = std::make_unique<model::Line>();
    last->AppendRun(recordtest::RainRun(modeltest::Sjis(L"テスト") + "!", 11, 2));
    last->AppendRun(modeltest::MakeRun(modeltest::Sjis(L"終わり")));
    text.AppendLine(std::move(last));
    text.SetBkColor(RGB(10, 20, 30));

    const Data record = Stored(text);
    Text loaded;
    Load(loaded, record);
    EXPECT_EQ(RGB(10, 20, 30), loaded.BkColor());
    EXPECT_FALSE(loaded.LastLineOpen());
    EXPECT_EQ(Summary(text), Summary(loaded));
    EXPECT_NE(Summary(text)[0][1].settings, Summary(text)[2][0].settings) << "two different Rain settings";
    EXPECT_EQ(record, Stored(loaded));
}

TEST_F(RecordRoundTripTest, RangeComesBackAsAnOpenFragment) {
    Text text;
    auto first = std::make_unique<model::Line>();
    first->AppendRun(modeltest::MakeRun("ab"));
    first->AppendRun(recordtest::RainRun(modeltest::Sjis(L"日本語"), 5, 6));
    text.AppendLine(std::move(first));
    auto second = std::make_unique<model::Line>();
    second->AppendRun(modeltest::MakeRun("cdef"));
    text.AppendLine(std::move(second));

    appkit::MemoryArchive archive;
    ASSERT_TRUE(text.Serialize(archive, host, {3, 0}, {2, 1}));
    Text loaded;
    Load(loaded, archive.Bytes());
    EXPECT_TRUE(loaded.LastLineOpen());

    const auto copy = text.CopyRange({3, 0}, {2, 1});
    EXPECT_EQ(Summary(*copy), Summary(loaded));
    ASSERT_EQ(2, loaded.LineCount());
    EXPECT_EQ(modeltest::Sjis(L"本語"), loaded.LineAt(0)->Run(0).Bytes());
    EXPECT_EQ(Summary(text.LineAt(0)->Run(1)).settings, Summary(loaded.LineAt(0)->Run(0)).settings);
}

}  // namespace
