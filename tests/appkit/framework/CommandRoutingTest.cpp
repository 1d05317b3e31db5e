#include <gtest/gtest.h>

#include "appkit/framework/FrameworkIds.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "tests/appkit/framework/ProbeIds.h"

namespace probe {
namespace {

class CommandRouting : public ProbeTest {
protected:
    void SetUp() override {
        ProbeTest::SetUp();
        ASSERT_TRUE(app.InitInstance());
        Events().clear();
    }

    void Command(UINT id) { SendMessageA(app.MainWindow(), WM_COMMAND, id, 0); }

    // Opens the probe menu the way the system does before showing it;
    // answers whether `id` then shows greyed.
    bool Greyed(UINT id) {
        HMENU popup = GetSubMenu(GetMenu(app.MainWindow()), 1);
        SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 1);
        return (GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }

    ProbeApp app;
};

TEST_F(CommandRouting, GoesToTheViewThenItsDocumentThenTheFrameThenTheApplication) {
    for (UINT id : {PROBE_VIEW_ONLY, PROBE_VIEW_AND_DOCUMENT, PROBE_DOCUMENT_AND_APP, PROBE_FRAME_AND_APP,
                    PROBE_APP_ONLY, PROBE_NOBODY})
        Command(id);
    EXPECT_EQ((std::vector<std::string>{"view:40001", "view:40002", "document:40003", "frame:40004", "app:40005"}),
              Events());
}

TEST_F(CommandRouting, MenuItemsAreEnabledByTheirUpdateHandlerOrByHavingAHandler) {
    EXPECT_FALSE(Greyed(PROBE_VIEW_ONLY));
    EXPECT_FALSE(Greyed(PROBE_APP_ONLY));
    EXPECT_TRUE(Greyed(PROBE_NOBODY));
    EXPECT_TRUE(Greyed(PROBE_UPDATE_ONLY));
    EXPECT_TRUE(Greyed(PROBE_GATED));
    app.View().allowGated = true;
    EXPECT_FALSE(Greyed(PROBE_GATED));
    app.View().allowGated = false;
    EXPECT_TRUE(Greyed(PROBE_GATED));
}

TEST_F(CommandRouting, ACommandWhoseItemWouldBeGreyedIsNotCarriedOut) {
    Command(PROBE_GATED);
    EXPECT_TRUE(Events().empty());
    app.View().allowGated = true;
    Command(PROBE_GATED);
    EXPECT_EQ(std::vector<std::string>{"view:40007"}, Events());
}

TEST_F(CommandRouting, ExitClosesTheMainWindowAndAsksTheLoopToEnd) {
    const HWND frame = app.MainWindow();
    Command(APPKIT_ID_APP_EXIT);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(nullptr, app.MainFrame());
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace probe
