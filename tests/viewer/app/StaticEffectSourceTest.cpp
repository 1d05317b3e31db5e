// The viewer's answer to missing effect components: the installation error in
// a box of its own, then the program quits.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "tests/support/MessageBoxLog.h"
#include "viewer/app/StaticEffectSource.h"
#include "viewer/model/Paragraph.h"
#include "winkit/MessageBoxes.h"

namespace {

// The exit code of a WM_QUIT waiting in this thread's queue.
std::optional<WPARAM> TakeQuit() {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return std::nullopt;
    return msg.wParam;
}

// No StaticFont to be had, reported as the viewer reports it.
class UnavailableStatic final : public model::DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override { return {}; }
    void ReportUnavailable() override { viewer_.ReportUnavailable(); }

private:
    app::StaticEffectSource viewer_;
};

TEST(StaticEffectSource, MissingComponentsAreReportedOnceAndQuitTheProgram) {
    testsupport::MessageBoxLog shown;
    const std::vector<winkit::MessageBoxRequest>& boxes = shown.boxes;
    UnavailableStatic source;
    model::SetDefaultEffectSource(&source);
    {
        model::Paragraph first;
        model::Paragraph second;
        EXPECT_EQ(nullptr, first.Effect());
        EXPECT_EQ(nullptr, second.Effect());
    }
    model::SetDefaultEffectSource(nullptr);

    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(nullptr, boxes[0].owner);
    EXPECT_EQ(L"Viviフォントコンポーネントが正しくインストールされていません\n"
              L"正しくセットアップしなおしてください",
              boxes[0].text);
    EXPECT_EQ(L"Quillon", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONHAND), boxes[0].type);
    EXPECT_EQ(std::optional<WPARAM>(1), TakeQuit());
    EXPECT_EQ(std::nullopt, TakeQuit());
}

}  // namespace
