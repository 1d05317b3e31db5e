#include <optional>

#include <gtest/gtest.h>

#include "appkit/framework/FileDialog.h"
#include "appkit/framework/FrameworkIds.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "tests/support/MessageBoxLog.h"
#include "winkit/AnsiText.h"

namespace probe {
namespace {

class DocumentView : public ProbeTest {
protected:
    void SetUp() override {
        ProbeTest::SetUp();
        shown.whileShown = [this] { eventsAtBox = Events(); };
        ASSERT_TRUE(app.InitInstance());
        app.Document().bytes = "kept";
        Events().clear();
    }

    // File Open from the menu, the dialog answered with `path` (none: Cancel).
    void OpenThroughTheDialog(std::optional<std::string> path) {
        appkit::ScopedFileDialogAnswer answer([&](const appkit::FileDialogRequest& request) {
            lastRequest = request;
            return path;
        });
        SendMessageA(app.MainWindow(), WM_COMMAND, APPKIT_ID_FILE_OPEN, 0);
    }

    ProbeApp app;
    appkit::FileDialogRequest lastRequest;
    testsupport::MessageBoxLog shown;
    std::vector<std::string> eventsAtBox;
};

using DocumentStart = ProbeTest;

TEST_F(DocumentStart, ANewDocumentIsEmptiedAndShownUntitled) {
    ProbeApp fresh;
    ASSERT_TRUE(fresh.InitInstance());
    EXPECT_EQ((std::vector<std::string>{"document new", "document emptied", "view updated"}), Events());
    EXPECT_EQ(winkit::ToAnsi(L"無題"), fresh.Document().GetTitle());
    EXPECT_EQ("", fresh.Document().GetPathName());
    char title[64] = {};
    GetWindowTextA(fresh.MainWindow(), title, sizeof title);
    EXPECT_STREQ("Probe Viewer", title);
}

TEST_F(DocumentView, FileOpenLoadsTheChosenFileThroughSerializeAndUpdatesTheView) {
    ScratchFile file(std::string("\x03" "abc" "trailing", 12));
    OpenThroughTheDialog(file.path());
    EXPECT_TRUE(lastRequest.open);
    EXPECT_EQ(app.MainWindow(), lastRequest.owner);
    EXPECT_NE(0u, lastRequest.flags & OFN_FILEMUSTEXIST);
    EXPECT_EQ("Probe files (*.prb)|*.prb|" + winkit::ToAnsi(L"すべてのﾌｧｲﾙ (*.*)") + "|*.*||", lastRequest.filter);

    EXPECT_EQ("abc", app.Document().bytes);
    EXPECT_EQ((std::vector<std::string>{"document emptied", "document serialized", "view updated"}), Events());
    EXPECT_EQ(0, lstrcmpiA(file.path().c_str(), app.Document().GetPathName().c_str()));
    EXPECT_EQ(file.path().substr(file.path().rfind('\\') + 1), app.Document().GetTitle());
    EXPECT_TRUE(shown.boxes.empty());
}

TEST_F(DocumentView, UpdateAllViewsPassesTheHintAndSkipsTheSender) {
    app.Document().UpdateAllViews(&app.View(), 5);
    EXPECT_TRUE(Events().empty());
    app.Document().UpdateAllViews(nullptr, 7);
    EXPECT_EQ(std::vector<std::string>{"view updated"}, Events());
    EXPECT_EQ(7, app.View().lastHint);
}

TEST_F(DocumentView, AnEmptyFileOpensWithoutSerializeAndResetsTheView) {
    ScratchFile file("");
    OpenThroughTheDialog(file.path());
    EXPECT_EQ((std::vector<std::string>{"document emptied", "view updated"}), Events());
    EXPECT_EQ(0, lstrcmpiA(file.path().c_str(), app.Document().GetPathName().c_str()));
    EXPECT_TRUE(shown.boxes.empty());
}

TEST_F(DocumentView, AMissingFileIsReportedAndTheDocumentKept) {
    ScratchFile missing;
    OpenThroughTheDialog(missing.path());
    ASSERT_EQ(1u, shown.boxes.size());
    EXPECT_EQ(winkit::ToWide(missing.path()) + L" が見つかりません。", shown.boxes[0].text);
    EXPECT_EQ("kept", app.Document().bytes);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ("", app.Document().GetPathName());
}

TEST_F(DocumentView, ADamagedFileIsReportedOnlyAfterTheViewsLetGoOfItsData) {
    ScratchFile file(std::string("\x05" "ab", 3));
    OpenThroughTheDialog(file.path());
    ASSERT_EQ(1u, shown.boxes.size());
    EXPECT_EQ(winkit::ToWide(file.path()) + L" の終わりを越えて読み込もうとしました。", shown.boxes[0].text);
    EXPECT_EQ((std::vector<std::string>{"document emptied", "document serialized", "document emptied", "view updated"}),
              eventsAtBox);
    EXPECT_EQ("", app.Document().bytes);
    EXPECT_EQ("", app.Document().GetPathName());
}

TEST_F(DocumentView, ACancelledDialogOpensNothing) {
    OpenThroughTheDialog(std::nullopt);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ("kept", app.Document().bytes);
}

}  // namespace
}  // namespace probe
