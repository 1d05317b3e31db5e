#include <gtest/gtest.h>

#include "effects/SpinnetMax/SpinnetMaxFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "tests/effects/suite/ProcessResources.h"

namespace {

// Every frame makes its own turned font: none may outlive the frame.
TEST(SpinnetMax, FramesLeaveNoFontsBehind) {
    testsupport::HostedPalette<SpinnetMaxFont> spinnet(L"手を振る Palm");
    spinnet.Frames(20);
    const int objects = effectsuite::GdiObjectCount();
    spinnet.Frames(20000);
    EXPECT_EQ(objects, effectsuite::GdiObjectCount());
}

}  // namespace
