#include <gtest/gtest.h>

#include "appkit/framework/FileDialog.h"
#include "appkit/framework/FrameworkIds.h"
#include "tests/appkit/framework/ProbeApp.h"
#include "tests/appkit/framework/ProbeTest.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/support/System.h"
#include "winkit/AnsiText.h"

namespace probe {
namespace {

const std::wstring kAppKey = L"Software\\Appkit Probe Corporation\\AppkitProbe";

std::optional<DWORD> ReadDword(const std::wstring& path, const std::wstring& name) {
    DWORD value = 0;
    DWORD bytes = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

using Settings = ProbeTest;

TEST_F(Settings, LiveUnderTheCompanyAndApplicationKey) {
    ProbeApp app;
    EXPECT_FALSE(app.WriteProfileInt("Section", "Count", 1));  // no key chosen yet
    EXPECT_EQ(9u, app.GetProfileInt("Section", "Count", 9));

    app.SetRegistryKey(ProbeApp::kCompany);
    ASSERT_TRUE(app.WriteProfileString("Section", "Name", winkit::ToAnsi(L"検索文字")));
    ASSERT_TRUE(app.WriteProfileInt("Section", "Count", 3));
    EXPECT_EQ(L"検索文字", testsupport::ReadString(HKEY_CURRENT_USER, kAppKey + L"\\Section", L"Name"));
    EXPECT_EQ(3u, ReadDword(kAppKey + L"\\Section", L"Count"));

    EXPECT_EQ(winkit::ToAnsi(L"検索文字"), app.GetProfileString("Section", "Name"));
    EXPECT_EQ(3u, app.GetProfileInt("Section", "Count", 0));
    EXPECT_EQ("none", app.GetProfileString("Section", "Missing", "none"));
    EXPECT_EQ(7u, app.GetProfileInt("Other", "Missing", 7));
    // A value of the other type is not taken for this one.
    EXPECT_EQ(5u, app.GetProfileInt("Section", "Name", 5));
    EXPECT_EQ("x", app.GetProfileString("Section", "Count", "x"));
}

TEST_F(Settings, RecentFilesKeepTheNewestFirstUpToTheirCount) {
    appkit::RecentFileList list(4);
    for (const char* path : {"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e"}) list.Add(path);
    EXPECT_EQ((std::vector<std::string>{"C:\\e", "C:\\d", "C:\\c", "C:\\b"}), list.Entries());
    list.Add("c:\\C");
    EXPECT_EQ((std::vector<std::string>{"c:\\C", "C:\\e", "C:\\d", "C:\\b"}), list.Entries());
    list.Remove("C:\\D");
    EXPECT_EQ((std::vector<std::string>{"c:\\C", "C:\\e", "C:\\b"}), list.Entries());
}

class RecentFiles : public ProbeTest {
protected:
    // Opens `path` with File Open, the dialog answered by the test.
    static void Open(ProbeApp& app, const std::string& path) {
        appkit::ScopedFileDialogAnswer answer([&](const appkit::FileDialogRequest&) { return path; });
        SendMessageA(app.MainWindow(), WM_COMMAND, APPKIT_ID_FILE_OPEN, 0);
    }

    static std::vector<std::string> FileMenu(ProbeApp& app) {
        HMENU popup = GetSubMenu(GetMenu(app.MainWindow()), 0);
        SendMessageA(app.MainWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            if (GetMenuItemID(popup, i) == 0) {
                items.push_back("-");
                continue;
            }
            char text[MAX_PATH + 8] = {};
            GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            const bool greyed = GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED;
            items.push_back(std::string(text) + (greyed ? " (greyed)" : ""));
        }
        return items;
    }
};

TEST_F(RecentFiles, AreShownInTheFileMenuAndOpenFromIt) {
    ScratchFile first(std::string("\x01" "1", 2));
    ScratchFile second(std::string("\x01" "2", 2));
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ((std::vector<std::string>{"&New", "&Open...", "-", "Recent File (greyed)", "-", "E&xit"}), FileMenu(app));

    Open(app, first.path());
    Open(app, second.path());
    EXPECT_EQ((std::vector<std::string>{"&New", "&Open...", "-", "&1 " + second.path(), "&2 " + first.path(), "-",
                                        "E&xit"}),
              FileMenu(app));

    SendMessageA(app.MainWindow(), WM_COMMAND, APPKIT_ID_FILE_MRU_FIRST + 1, 0);
    EXPECT_EQ("1", app.Document().bytes);
    EXPECT_EQ((std::vector<std::string>{first.path(), second.path()}), app.RecentFiles().Entries());
}

TEST_F(RecentFiles, AFileThatCannotBeOpenedLeavesTheList) {
    ProbeApp app;
    ASSERT_TRUE(app.InitInstance());
    std::string gone;
    {
        ScratchFile file(std::string("\x00", 1));
        gone = file.path();
        Open(app, gone);
    }
    ASSERT_EQ(std::vector<std::string>{gone}, app.RecentFiles().Entries());
    testsupport::MessageBoxLog boxes;
    SendMessageA(app.MainWindow(), WM_COMMAND, APPKIT_ID_FILE_MRU_FIRST, 0);
    EXPECT_EQ(1u, boxes.boxes.size());
    EXPECT_TRUE(app.RecentFiles().Entries().empty());
}

TEST_F(RecentFiles, SurviveTheProgramInItsSettings) {
    ScratchFile first(std::string("\x00", 1));
    ScratchFile second(std::string("\x00", 1));
    {
        ProbeApp app;
        ASSERT_TRUE(app.InitInstance());
        Open(app, first.path());
        Open(app, second.path());
        app.ExitInstance();
    }
    const std::wstring section = kAppKey + L"\\Recent File List";
    EXPECT_EQ(winkit::ToWide(second.path()), testsupport::ReadString(HKEY_CURRENT_USER, section, L"File1"));
    EXPECT_EQ(winkit::ToWide(first.path()), testsupport::ReadString(HKEY_CURRENT_USER, section, L"File2"));

    ProbeApp next;
    next.SetRegistryKey(ProbeApp::kCompany);
    next.LoadStdProfileSettings(4);
    EXPECT_EQ((std::vector<std::string>{second.path(), first.path()}), next.RecentFiles().Entries());
}

}  // namespace
}  // namespace probe
