// The viewer's own default effect: the registered Static module's StaticFont,
// created through COM by its class identifier and bound to the new run.
#include <gtest/gtest.h>

#include "comkit/ComPtr.h"
#include "contract/module_identity.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"
#include "viewer/model/Paragraph.h"
#include "textrun/RunShared.h"

namespace {

TEST(DefaultEffect, NewRunsGetTheRegisteredStaticFont) {
    const std::wstring module = testsupport::WindowsPath(STATIC_MODULE_PATH);
    ASSERT_EQ(0, testsupport::RunProcess(L"regsvr32.exe /s \"" + module + L"\""));
    const CLSID& staticClass = contract::Identity(contract::Module::Static).clsid;
    {
        // Checked first: without the class a run would have no effect to check.
        comkit::ComPtr<IViviFont> probe;
        ASSERT_EQ(S_OK, CoCreateInstance(staticClass, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont, probe.put_void()));
    }
    {
        model::Paragraph run;
        run.SetText("abc");
        ASSERT_NE(nullptr, run.Effect());
        CLSID created{};
        EXPECT_EQ(S_OK, run.Effect()->GetCLSID(&created));
        EXPECT_TRUE(IsEqualCLSID(staticClass, created));
        EXPECT_GT(run.DrawingArea().cx, 0);
        EXPECT_GT(run.Width(3), run.Width(1));
    }
    EXPECT_EQ(0, textrun::RunShared::LiveCount());
}

}  // namespace
