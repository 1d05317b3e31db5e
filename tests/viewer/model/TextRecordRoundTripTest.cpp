// A text written as a record and read back: several lines, Japanese and
// ASCII runs, Static and Rain runs with settings of their own, a face other
// than the default, and the record of a range.
#include <gtest/gtest.h>

#include "appkit/MemoryArchive.h"
#include "comkit/TaskMem.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/viewer/model/ModelTestSupport.h"
#include "tests/viewer/model/RecordTestSupport.h"
#include "viewer/model/RunShared.h"
#include "viewer/model/Text.h"

namespace {

using model::Paragraph;
using model::Text;
using Data = std::vector<std::uint8_t>;

// What a run record keeps of a run, and the record its effect saves.
struct RunKept {
    std::string bytes;
    int points;
    COLORREF color;
    COLORREF bkColor;
    std::string face;
    CLSID clsid;
    Data settings;

    friend bool operator==(const RunKept&, const RunKept&) = default;
};

RunKept Summary(const Paragraph& run) {
    RunKept stored{run.Bytes(), run.Points(), run.Color(), run.BkColor(), run.FaceName(), {}, {}};
    run.Effect()->GetCLSID(&stored.clsid);
    const auto settings = comkit::ComPtr<IViviFont>(run.Effect()).As<IViviFontProperty>(IID_IViviFontProperty);
    tagPersistMemory* saved = nullptr;
    if (settings && SUCCEEDED(settings->SaveProperty(&saved))) {
        const comkit::TaskMem<tagPersistMemory> record(saved);
        stored.settings.assign(record->pData, record->pData + record->nSize);
    }
    return stored;
}

std::vector<std::vector<RunKept>> Summary(const Text& text) {
    std::vector<std::vector<RunKept>> lines;
    for (int i = 0; i < text.LineCount(); ++i) {
        const model::Line& line = *text.LineAt(i);
        lines.emplace_back();
        for (std::size_t r = 0; r < line.RunCount(); ++r) lines.back().push_back(Summary(line.Run(r)));
    }
    return lines;
}

class RecordRoundTripTest : public modeltest::ModelTest {
protected:
    static std::unique_ptr<Paragraph> Rain(std::string bytes, BYTE decay, BYTE drops) {
        auto run = modeltest::MakeRun(std::move(bytes), RGB(255, 0, 0));
        run->SetPoints(24);
        run->SetEffect(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
        const auto settings = comkit::ComPtr<IViviFont>(run->Effect()).As<IViviFontProperty>(IID_IViviFontProperty);
        tagPersistMemory* saved = nullptr;
        settings->SaveProperty(&saved);
        const comkit::TaskMem<tagPersistMemory> record(saved);
        auto* block = reinterpret_cast<RainBlock*>(record->pData);
        block->decay = decay;
        block->drops = drops;
        settings->LoadProperty(record.get());
        return run;
    }
    // An installed face that new runs do not start with.
    static std::string OtherFace(const std::string& usual) {
        for (const LOGFONTA& font : model::RunShared::InstalledFonts()) {
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
    first->AppendRun(Rain(modeltest::Sjis(L"日本語"), 3, 40));
    auto world = modeltest::MakeRun(" world", RGB(0, 255, 0));
    world->SetPoints(20);
    ASSERT_TRUE(world->SetFaceName(OtherFace(world->FaceName()).c_str()));
    first->AppendRun(std::move(world));
    text.AppendLine(std::move(first));
    text.AppendLine(std::make_unique<model::Line>());
    auto last = std::make_unique<model::Line>();
    last->AppendRun(Rain(modeltest::Sjis(L"テスト") + "!", 11, 2));
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
    first->AppendRun(Rain(modeltest::Sjis(L"日本語"), 5, 6));
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
