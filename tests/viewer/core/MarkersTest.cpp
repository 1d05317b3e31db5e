#include <gtest/gtest.h>

#include <windows.h>

#include "viewer/core/Markers.h"

namespace {

TEST(Markers, AreAssembledFromTheStringResources) {
    const HINSTANCE self = GetModuleHandleW(nullptr);
    const std::string document = core::DocumentMarker(self);
    const std::string effect = core::EffectMarker(self);
    EXPECT_EQ("--Tvk, OndelleWriter Project.--(DF1E2F00-4344-11d2-B8E1-00A0C96EED8B)", document);
    EXPECT_EQ("60458B80-7825-11D2-8CDD-00A0C9A0F04D--Tvk, Vivi Font Component--", effect);
    EXPECT_EQ(std::string::npos, document.find(effect));
    EXPECT_EQ(std::string::npos, effect.find(document));
}

TEST(Markers, AreEmptyWhenTheResourcesAreMissing) {
    const HINSTANCE other = GetModuleHandleW(L"kernel32.dll");
    ASSERT_NE(nullptr, other);
    EXPECT_EQ("", core::DocumentMarker(other));
    EXPECT_EQ("", core::EffectMarker(other));
}

}  // namespace
