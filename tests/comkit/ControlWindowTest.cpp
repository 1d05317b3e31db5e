#include <gtest/gtest.h>

#include <olectl.h>

#include "comkit/control/ControlWindow.h"

namespace {

// Handles nothing itself and notes when its window is gone.
class PassiveOwner final : public comkit::ControlWindowOwner {
public:
    LRESULT HandleWindowMessage(HWND, UINT message, WPARAM, LPARAM, bool& handled) override {
        handled = false;
        if (message == WM_USER + 1) {
            handled = true;
            return 42;
        }
        return 0;
    }
    void OnWindowGone() override { gone = true; }
    bool gone = false;
};

class ControlWindow : public testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, parent_);
    }
    void TearDown() override { DestroyWindow(parent_); }
    HWND parent_ = nullptr;
};

TEST_F(ControlWindow, ReflectedNotificationsReachTheDefaultProcedureAsTheirOriginals) {
    PassiveOwner owner;
    HWND window = comkit::CreateControlWindow(&owner, parent_, {5, 6, 105, 56});
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(parent_, GetParent(window));
    EXPECT_EQ(42, SendMessageW(window, WM_USER + 1, 0, 0)) << "the owner answers first";
    SetWindowTextW(window, L"seven");
    // Reflected WM_GETTEXTLENGTH is answered as WM_GETTEXTLENGTH itself.
    EXPECT_EQ(5, SendMessageW(window, OCM__BASE + WM_GETTEXTLENGTH, 0, 0));
    DestroyWindow(window);
    EXPECT_TRUE(owner.gone);
}

TEST_F(ControlWindow, WindowsComeAgainAfterTheLastOneWent) {
    PassiveOwner first, second;
    HWND a = comkit::CreateControlWindow(&first, parent_, {0, 0, 10, 10});
    HWND b = comkit::CreateControlWindow(&second, parent_, {0, 0, 10, 10});
    ASSERT_TRUE(a && b);
    DestroyWindow(a);
    DestroyWindow(b);
    HWND c = comkit::CreateControlWindow(&first, parent_, {0, 0, 10, 10});
    ASSERT_NE(nullptr, c);
    EXPECT_EQ(42, SendMessageW(c, WM_USER + 1, 0, 0));
    DestroyWindow(c);
}

TEST_F(ControlWindow, AnOrphanedWindowNeverCallsItsOwner) {
    PassiveOwner owner;
    HWND window = comkit::CreateControlWindow(&owner, parent_, {0, 0, 10, 10});
    comkit::DestroyOrphanedWindow(window);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(owner.gone);
}

}  // namespace
