#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "comkit/ComPtr.h"
#include "effects/common/PixelList.h"
#include "tests/effects/common/FailingAllocation.h"
#include "tests/effects/common/ProbeEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"

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

// Watches for the effect's warning boxes from another thread, reads their
// text, and closes each once the host's timer has ticked into the effect.
class WarningWatch {
public:
    explicit WarningWatch(const std::atomic<int>& ticks) : ticks_(ticks), thread_([this] { Watch(); }) {}
    ~WarningWatch() {
        stop_ = true;
        thread_.join();
    }
    int Boxes() const { return boxes_; }
    std::wstring Text() const { return text_; }

private:
    static BOOL CALLBACK CollectText(HWND child, LPARAM into) {
        wchar_t name[32], text[512];
        GetClassNameW(child, name, 32);
        if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, text, 512) > 0)
            *reinterpret_cast<std::wstring*>(into) += text;
        return TRUE;
    }

    void Watch() {
        while (!stop_) {
            const HWND box = FindWindowW(L"#32770", L"Emberquench!!");
            if (!box) {
                Sleep(5);
                continue;
            }
            ++boxes_;
            std::wstring text;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
            text_ = text;
            const int seen = ticks_;
            for (int wait = 0; wait < 500 && ticks_ < seen + 3; ++wait) Sleep(10);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            while (IsWindow(box)) Sleep(5);
        }
    }

    const std::atomic<int>& ticks_;
    std::atomic<bool> stop_{false};
    std::atomic<int> boxes_{0};
    std::wstring text_;
    std::thread thread_;
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
    testsupport::TestFontCache fonts;
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
