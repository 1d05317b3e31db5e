// Quillon.exe itself, made self-contained the way the authoring program
// does it: the Rain module and a document appended to a copy of it. Started
// with no document named, it installs what it carries, shows the appended
// document, and after WM_CLOSE leaves no registration and no file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/support/Canvas.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "tests/viewer/app/InstallTestSupport.h"
#include "viewer/core/Markers.h"
#include "viewer/model/RunShared.h"

namespace apptest {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr DWORD kPatience = 30000;  // ms

// A document of a Static line and a Rain line on navy.
std::string DocumentRecord() {
    BuiltInStatic statics;
    model::SetDefaultEffectSource(&statics);
    std::string record;
    {
        auto text = std::make_unique<model::Text>();
        text->AppendLine(StaticLine(*text, {"Static"}, kYellow, 24));
        auto rainLine = text->TemplateLine().Clone();
        auto run = std::make_unique<model::Paragraph>();
        run->SetText("Rain");
        run->SetPoints(36);
        run->SetEffect(comkit::ComPtr<IViviFont>(new effectbase::EffectObject<RainFont>));
        rainLine->AppendRun(std::move(run));
        text->AppendLine(std::move(rainLine));
        text->SetBkColor(kNavy);
        record = AsString(RecordOf(*text));
    }
    model::SetDefaultEffectSource(nullptr);
    return record;
}

std::string Upper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::set<std::string> Added(const std::set<std::string>& before) {
    std::set<std::string> added;
    for (const std::string& file : TempFiles("ZEQ"))
        if (!before.count(file)) added.insert(Upper(file));
    return added;
}

// The viewer process and its main window.
class RunningViewer {
public:
    explicit RunningViewer(const std::string& program) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + program + "\"";
        started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != FALSE;
    }
    RunningViewer(const RunningViewer&) = delete;
    RunningViewer& operator=(const RunningViewer&) = delete;
    ~RunningViewer() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }

    // Its visible main window, once there.
    HWND WaitForWindow() {
        for (DWORD waited = 0; started_ && waited < kPatience; waited += 100) {
            found_ = nullptr;
            EnumWindows(FindMain, reinterpret_cast<LPARAM>(this));
            if (found_) return found_;
            if (WaitForSingleObject(process_.hProcess, 100) != WAIT_TIMEOUT) break;
        }
        return nullptr;
    }

    // Closes the main window; the exit code, or none when the process did not end.
    std::optional<DWORD> Close(HWND main) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, kPatience) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    static BOOL CALLBACK FindMain(HWND window, LPARAM self) {
        auto* viewer = reinterpret_cast<RunningViewer*>(self);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char title[64] = {};
        GetWindowTextA(window, title, sizeof title);
        if (owner != viewer->process_.dwProcessId || !IsWindowVisible(window) ||
            std::string(title) != "Ondelle-Writer Viewer")
            return TRUE;
        viewer->found_ = window;
        return FALSE;
    }

    PROCESS_INFORMATION process_{};
    bool started_ = false;
    HWND found_ = nullptr;
};

// The view's pixels as the screen shows them.
std::unique_ptr<testsupport::Canvas> Capture(HWND main) {
    HWND view = FindWindowExA(main, nullptr, "AppkitView", nullptr);
    RECT area{};
    GetWindowRect(view, &area);
    auto canvas = std::make_unique<testsupport::Canvas>(area.right - area.left, area.bottom - area.top, 0);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas->dc(), 0, 0, canvas->width(), canvas->height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas;
}

class SelfContainedViewer : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        HMODULE resources = GetModuleHandleW(nullptr);  // the viewer's strings are linked in
        programPath = unique.path() + ".exe";
        std::ofstream(programPath, std::ios::binary)
            << ReadFileBytes(QuillonPath())
            << EffectEntry(viewer::EffectMarker(resources), RainClsid(), ReadFileBytes(RainModulePath()))
            << viewer::DocumentMarker(resources) << DocumentRecord();
    }
    void TearDown() override {
        DeleteFileA(programPath.c_str());
        RegistryTest::TearDown();
    }

    ScratchFile unique;  // a free name in the temporary folder
    std::string programPath;
};

TEST_F(SelfContainedViewer, InstallsRainShowsItsDocumentAndLeavesNothingBehind) {
    const std::set<std::string> before = TempFiles("ZEQ");
    RunningViewer running(programPath);
    HWND main = running.WaitForWindow();
    ASSERT_NE(nullptr, main);
    Sleep(500);

    const std::set<std::string> installed = Added(before);
    EXPECT_EQ(2u, installed.size());  // Static and Rain
    const auto rain = RegisteredServer(RainClsid());
    ASSERT_TRUE(rain);
    EXPECT_TRUE(installed.count(Upper(*rain))) << *rain;
    const auto canvas = Capture(main);
    EXPECT_GT(canvas->Count(kNavy, {0, 0, canvas->width(), canvas->height()}), canvas->width() * canvas->height() / 2);
    EXPECT_GT(canvas->Count(kYellow, {0, 0, canvas->width(), canvas->height()}), 0);

    EXPECT_EQ(std::optional<DWORD>(0), running.Close(main));
    EXPECT_FALSE(RegisteredServer(RainClsid()));
    EXPECT_FALSE(RegisteredServer(StaticClsid()));
    EXPECT_TRUE(Added(before).empty());
}

TEST_F(SelfContainedViewer, WithStaticRegisteredWritesNoStaticFileAndKeepsThatRegistration) {
    ASSERT_EQ(0, Regsvr32(StaticModulePath()));
    const std::set<std::string> before = TempFiles("ZEQ");
    RunningViewer running(programPath);
    HWND main = running.WaitForWindow();
    ASSERT_NE(nullptr, main);

    const std::set<std::string> installed = Added(before);
    ASSERT_EQ(1u, installed.size());
    EXPECT_EQ(installed, std::set<std::string>{Upper(RegisteredServer(RainClsid()).value_or(""))});

    EXPECT_EQ(std::optional<DWORD>(0), running.Close(main));
    EXPECT_EQ(StaticModulePath(), RegisteredServer(StaticClsid()));
    EXPECT_FALSE(RegisteredServer(RainClsid()));
    EXPECT_TRUE(Added(before).empty());
}

}  // namespace
}  // namespace apptest
