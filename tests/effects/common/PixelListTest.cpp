#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "comkit/ComPtr.h"
#include "effects/common/PixelList.h"
#include "tests/effects/common/FailingAllocation.h"
#include "tests/effects/common/ProbeEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"
#include "winkit/MessageBoxes.h"

namespace {

TEST(PixelList, ListsTheNonzeroPixelsInAscendingOrder) {
    const BYTE pixels[] = {0, 5, 0, 0, 7, 255, 0};
    palette::PixelList list;
    ASSERT_TRUE(list.Build(pixels));
    EXPECT_TRUE(list.Exists());
    const std::vector<std::uint32_t> offsets(list.Offsets().begin(), list.Offsets().end());
    EXPECT_EQ((std::vector<std::uint32_t>{1, 4, 5}), offsets);

    const BYTE blank[8] = {};
    ASSERT_TRUE(list.Build(blank));
    EXPECT_TRUE(list.Exists());
    EXPECT_TRUE(list.Offsets().empty());

    testalloc::FailNextNothrowArrays(1);
    EXPECT_FALSE(list.Build(pixels));
    EXPECT_FALSE(list.Exists());
    EXPECT_TRUE(list.Offsets().empty());
}

// Answers the effect's warning boxes, reading their text, once the host's
// timer has ticked into the effect three times while the box is up, as a box's
// own message loop would let it.
class WarningWatch {
public:
    explicit WarningWatch(const std::atomic<int>& ticks) : ticks_(ticks) {}
    int Boxes() const { return boxes_; }
    std::wstring Text() const { return text_; }
    std::wstring Caption() const { return caption_; }

private:
    int Answer(const winkit::MessageBoxRequest& box) {
        ++boxes_;
        text_ = box.text;
        caption_ = box.caption;
        const int seen = ticks_;
        MSG msg;
        while (ticks_ < seen + 3 && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        return IDOK;
    }

    const std::atomic<int>& ticks_;
    int boxes_ = 0;
    std::wstring text_;
    std::wstring caption_;
    winkit::ScopedMessageBoxAnswer answer_{[this](const winkit::MessageBoxRequest& box) { return Answer(box); }};
};

// What the host's timer found each time it reached the effect during a box.
struct TickLog {
    std::atomic<int> ticks{0};
    int inactive = 0;
    int failed = 0;
    IViviFont* effect = nullptr;
    HDC dc = nullptr;
} tickLog;

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    char activated = 0;
    static_cast<Probe*>(tickLog.effect)->IsActivated(&activated);
    tickLog.inactive += activated ? 0 : 1;
    tickLog.failed += tickLog.effect->UpdateTextFace(tickLog.dc, {0, 0}) == S_OK ? 0 : 1;
    ++tickLog.ticks;
}

TEST(PixelList, AFailureWarnsOncePerBuildAfterTheBuildIsComplete) {
    textrun::FontManager fonts;
    testsupport::TestRun run(L"Tg雨", 30);
    comkit::ComPtr<Probe> effect(new Probe);
    testsupport::Bind(effect.get(), &fonts, &run);
    testsupport::Canvas canvas(400, 60, RGB(0, 0, 0));
    tickLog.effect = effect.get();
    tickLog.dc = canvas.dc();
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);

    {
        WarningWatch watch(tickLog.ticks);
        testalloc::FailNextNothrowArrays(1);
        effect->Activate();
        EXPECT_EQ(1, watch.Boxes());
        EXPECT_EQ(L"このフォントに十分なメモリーの確保ができませんでした。\n"
                  L"フォントの動きは不完全になります。\n"
                  L"一度スタティックフォントの戻すことをお勧めします。",
                  watch.Text());
        EXPECT_EQ(L"Emberquench!!", watch.Caption());
        EXPECT_GE(tickLog.ticks, 3);
        EXPECT_EQ(0, tickLog.inactive) << "ticks during the box find the effect built";
        EXPECT_EQ(0, tickLog.failed);
        EXPECT_FALSE(effect->Pixels().Exists());
        char activated = 0;
        effect->IsActivated(&activated);
        EXPECT_EQ(1, activated) << "the surfaces stay";
        EXPECT_EQ(S_OK, effect->DrawTextFace(canvas.dc(), {0, 0}));

        effect->ChangeParagraph();
        EXPECT_EQ(1, watch.Boxes()) << "a build that gets its list shows nothing";
        EXPECT_TRUE(effect->Pixels().Exists());
        testalloc::FailNextNothrowArrays(1);
        effect->ChangeParagraph();
        EXPECT_EQ(2, watch.Boxes());
    }
    KillTimer(nullptr, timer);
}

}  // namespace
