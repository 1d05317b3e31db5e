#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comkit/ComPtr.h"
#include "effects/common/PixelList.h"
#include "tests/effects/common/FailingAllocation.h"
#include "tests/effects/common/ProbeEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

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

// What the host's timer found each time it reached the effect during a box.
struct TickLog {
    int ticks = 0;
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
        // A box's own message loop lets the host's timer tick into the
        // effect; each box is answered once three ticks have reached it.
        testsupport::MessageBoxLog boxes;
        boxes.whileShown = [] {
            const int seen = tickLog.ticks;
            MSG msg;
            while (tickLog.ticks < seen + 3 && GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        };
        testalloc::FailNextNothrowArrays(1);
        effect->Activate();
        const std::wstring warning = L"このフォントに十分なメモリーの確保ができませんでした。\n"
                                     L"フォントの動きは不完全になります。\n"
                                     L"一度スタティックフォントの戻すことをお勧めします。";
        EXPECT_EQ(std::vector<std::wstring>{warning}, boxes.Texts());
        EXPECT_GE(tickLog.ticks, 3);
        EXPECT_EQ(0, tickLog.inactive) << "ticks during the box find the effect built";
        EXPECT_EQ(0, tickLog.failed);
        EXPECT_FALSE(effect->Pixels().Exists());
        char activated = 0;
        effect->IsActivated(&activated);
        EXPECT_EQ(1, activated) << "the surfaces stay";
        EXPECT_EQ(S_OK, effect->DrawTextFace(canvas.dc(), {0, 0}));

        effect->ChangeParagraph();
        EXPECT_EQ(1u, boxes.boxes.size()) << "a build that gets its list shows nothing";
        EXPECT_TRUE(effect->Pixels().Exists());
        testalloc::FailNextNothrowArrays(1);
        effect->ChangeParagraph();
        EXPECT_EQ((std::vector<std::wstring>{warning, warning}), boxes.Texts());
        for (const winkit::MessageBoxRequest& box : boxes.boxes) EXPECT_EQ(L"Emberquench!!", box.caption);
    }
    KillTimer(nullptr, timer);
}

}  // namespace
