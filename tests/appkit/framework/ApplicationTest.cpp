#include <gtest/gtest.h>

#include "appkit/framework/Dialog.h"
#include "appkit/framework/FrameworkIds.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeIds.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/support/System.h"
#include "winkit/AnsiText.h"

namespace probe {
namespace {

using Startup = ProbeTest;

TEST_F(Startup, TheCommandLineAsksForANewDocumentOrTheFirstFileNamed) {
    const char* none[] = {"probe.exe"};
    EXPECT_EQ(appkit::CommandLineInfo::Command::FileNew, appkit::ParseCommandLine(1, none).command);
    const char* withFile[] = {"probe.exe", "/x", "-y", "C:\\docs\\a b.prb", "C:\\other.prb"};
    const appkit::CommandLineInfo info = appkit::ParseCommandLine(5, withFile);
    EXPECT_EQ(appkit::CommandLineInfo::Command::FileOpen, info.command);
    EXPECT_EQ("C:\\docs\\a b.prb", info.fileName);
}

TEST_F(Startup, AFileArgumentIsOpenedBeforeTheWindowShows) {
    ScratchFile file(std::string("\x02" "hi", 3));
    ProbeApp app;
    app.commandLine = {appkit::CommandLineInfo::Command::FileOpen, file.path()};
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ("hi", app.Document().bytes);
    EXPECT_TRUE(IsWindowVisible(app.MainWindow()));
}

TEST_F(Startup, AFileThatCannotBeOpenedEndsTheProgramThroughExitInstance) {
    ScratchFile missing;
    ProbeApp app;
    app.commandLine = {appkit::CommandLineInfo::Command::FileOpen, missing.path()};
    testsupport::MessageBoxLog boxes;
    EXPECT_EQ(0, app.Main());
    EXPECT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(nullptr, app.MainFrame());
    EXPECT_EQ(nullptr, app.DocTemplate()->GetDocument());
    EXPECT_EQ(std::vector<std::string>{"exit after the document"}, Events());
}

// The probe program next to this test program, started with `arguments`; its exit code.
int RunProbeProgram(const std::string& arguments) {
    char self[MAX_PATH];
    const std::string path(self, GetModuleFileNameA(nullptr, self, sizeof self));
    const std::string program = path.substr(0, path.rfind('\\') + 1) + "appkit_probe_program.exe";
    return testsupport::RunProcess(winkit::ToWide("\"" + program + "\" " + arguments));
}

TEST_F(Startup, AProgramOpensTheFileItsCommandLineNamesOrEndsWhenItCannot) {
    ScratchFile file(std::string("\x03" "abc", 4));
    EXPECT_EQ(3, RunProbeProgram("/flag \"" + file.path() + "\""));
    EXPECT_EQ(0, RunProbeProgram(""));
    ScratchFile missing;
    EXPECT_EQ(255, RunProbeProgram("\"" + missing.path() + "\""));
}

using MessageLoop = ProbeTest;

TEST_F(MessageLoop, EndsWhenTheMainWindowClosesAndExitsAfterTheDocumentIsGone) {
    ProbeApp app;
    HWND frame = nullptr;
    app.afterInit = [&] {
        frame = app.MainWindow();
        PostMessageA(frame, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(0, app.Main());
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ("exit after the document", Events().back());
}

TEST_F(MessageLoop, EndsOnAQuitMessageWithItsCodeAndDestroysTheWindows) {
    ProbeApp app;
    HWND frame = nullptr;
    app.afterInit = [&] {
        frame = app.MainWindow();
        PostQuitMessage(3);
    };
    EXPECT_EQ(3, app.Main());
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ("exit after the document", Events().back());
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "no second quit is left behind";
}

// A modeless dialog that deletes itself when its window goes, as a program's do.
class SelfDeletingDialog : public appkit::Dialog {
public:
    explicit SelfDeletingDialog(bool& deleted) : Dialog(PROBE_MODELESS_DIALOG), deleted_(deleted) {}
    ~SelfDeletingDialog() override { deleted_ = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool& deleted_;
};

TEST_F(MessageLoop, HandsModelessDialogsTheirKeysAndTheFrameItsAccelerators) {
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    bool deleted = false;
    auto* dialog = new SelfDeletingDialog(deleted);
    ASSERT_TRUE(dialog->Create());
    EXPECT_EQ(app.MainWindow(), GetWindow(dialog->Handle(), GW_OWNER));
    const HWND firstEdit = dialog->GetDlgItem(PROBE_FIRST_EDIT);
    const HWND secondEdit = dialog->GetDlgItem(PROBE_SECOND_EDIT);
    SetFocus(firstEdit);
    ASSERT_EQ(firstEdit, GetFocus());

    PostMessageA(firstEdit, WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(app.View().Handle(), WM_KEYDOWN, VK_F5, 0);
    // Comes after the keys: look where the focus went, then close.
    HWND focusAfterTab = nullptr;
    app.View().onApp = [&] {
        focusAfterTab = GetFocus();
        PostMessageA(app.MainWindow(), WM_CLOSE, 0, 0);
    };
    PostMessageA(app.View().Handle(), WM_APP, 0, 0);
    EXPECT_EQ(0, app.Run());

    EXPECT_EQ(secondEdit, focusAfterTab);
    EXPECT_TRUE(Happened("view:40001"));
    EXPECT_TRUE(deleted) << "the dialog went with its owner";
}

class ModalProbe : public appkit::Dialog {
public:
    explicit ModalProbe(WPARAM answer) : Dialog(PROBE_MODAL_DIALOG), answer_(answer) {}
    bool initialised = false;

protected:
    bool OnInitDialog() override {
        initialised = true;
        PostMessageA(Handle(), answer_ == WM_CLOSE ? WM_CLOSE : WM_COMMAND, answer_ == WM_CLOSE ? 0 : answer_, 0);
        return true;
    }

private:
    WPARAM answer_;
};

TEST_F(MessageLoop, AModalDialogEndsWithOkCancelOrItsCloseBox) {
    ModalProbe ok(IDOK);
    EXPECT_EQ(IDOK, ok.DoModal());
    EXPECT_TRUE(ok.initialised);
    EXPECT_EQ(nullptr, ok.Handle());
    ModalProbe cancel(IDCANCEL);
    EXPECT_EQ(IDCANCEL, cancel.DoModal());
    ModalProbe close(WM_CLOSE);
    EXPECT_EQ(IDCANCEL, close.DoModal());
}

TEST_F(MessageLoop, AModelessDialogIsHiddenByCancelAndLivesOn) {
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    bool deleted = false;
    auto* dialog = new SelfDeletingDialog(deleted);
    ASSERT_TRUE(dialog->Create());
    const HWND window = dialog->Handle();
    SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(deleted);
    app.DocTemplate()->CloseDocument();
    EXPECT_TRUE(deleted);
}

}  // namespace
}  // namespace probe
