// What the platform wrappers put back at scope end: the caller's last-error
// value, and the device context settings they changed.
#include <gtest/gtest.h>

#include <windows.h>

#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"
#include "winkit/GlobalMemory.h"
#include "winkit/UniqueHandle.h"

namespace {

constexpr DWORD kCallersError = ERROR_FILE_NOT_FOUND;

// Fails as CloseHandle fails on a stale handle.
struct FailingCloseTraits {
    using Handle = int;
    static inline int closed = 0;
    static Handle Empty() { return 0; }
    static bool IsValid(Handle handle) { return handle != 0; }
    static void Close(Handle) {
        ++closed;
        SetLastError(ERROR_INVALID_HANDLE);
    }
};
using FailingHandle = winkit::UniqueHandle<FailingCloseTraits>;

TEST(LastError, SurvivesEveryWayAHandleIsClosed) {
    FailingCloseTraits::closed = 0;
    {
        const FailingHandle handle(1);
        SetLastError(kCallersError);
    }
    EXPECT_EQ(kCallersError, GetLastError()) << "destructor";

    FailingHandle handle(2);
    SetLastError(kCallersError);
    handle.reset(3);
    EXPECT_EQ(kCallersError, GetLastError()) << "reset";
    handle = FailingHandle(4);
    EXPECT_EQ(kCallersError, GetLastError()) << "move assignment";
    handle.out();
    EXPECT_EQ(kCallersError, GetLastError()) << "out parameter";
    EXPECT_EQ(4, FailingCloseTraits::closed);
}

// The last unlock of a block sets the last error to NO_ERROR.
TEST(LastError, SurvivesUnlockingAGlobalBlock) {
    const winkit::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(block);
    {
        const winkit::LockedBlock locked(block.get());
        ASSERT_NE(nullptr, locked.get());
        SetLastError(kCallersError);
    }
    EXPECT_EQ(kCallersError, GetLastError());
    EXPECT_EQ(0u, GlobalFlags(block.get()) & GMEM_LOCKCOUNT);
}

TEST(DcState, SettingsGoBackAsTheyCame) {
    const winkit::MemoryDC dc(nullptr);
    ASSERT_TRUE(dc);
    SetTextColor(dc.get(), RGB(1, 2, 3));
    SetBkColor(dc.get(), RGB(4, 5, 6));
    SetBkMode(dc.get(), OPAQUE);
    SetTextAlign(dc.get(), TA_LEFT | TA_TOP);
    SetViewportOrgEx(dc.get(), 7, 8, nullptr);
    {
        const winkit::TextColour text(dc.get(), RGB(200, 0, 0));
        const winkit::BackgroundColour background(dc.get(), RGB(0, 200, 0));
        const winkit::BackgroundMode mode(dc.get(), TRANSPARENT);
        const winkit::TextAlignment alignment(dc.get(), TA_RIGHT | TA_BOTTOM);
        const winkit::ViewportOffset offset(dc.get(), -30, 5);
        EXPECT_EQ(RGB(200, 0, 0), GetTextColor(dc.get()));
        EXPECT_EQ(RGB(0, 200, 0), GetBkColor(dc.get()));
        EXPECT_EQ(TRANSPARENT, GetBkMode(dc.get()));
        EXPECT_EQ(static_cast<UINT>(TA_RIGHT | TA_BOTTOM), GetTextAlign(dc.get()));
        POINT shifted{};
        GetViewportOrgEx(dc.get(), &shifted);
        EXPECT_EQ(-23, shifted.x);
        EXPECT_EQ(13, shifted.y);
    }
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc.get()));
    EXPECT_EQ(RGB(4, 5, 6), GetBkColor(dc.get()));
    EXPECT_EQ(OPAQUE, GetBkMode(dc.get()));
    EXPECT_EQ(static_cast<UINT>(TA_LEFT | TA_TOP), GetTextAlign(dc.get()));
    POINT origin{};
    GetViewportOrgEx(dc.get(), &origin);
    EXPECT_EQ(7, origin.x);
    EXPECT_EQ(8, origin.y);
}

}  // namespace
