// Quillon.exe itself, made self-contained the way the authoring program
// does it: several effect modules and a document that uses them appended to
// a copy of it. Started with no document named, it installs what it carries,
// shows the appended document, and after WM_CLOSE leaves no registration and
// no file behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "contract/module_identity.h"
#include "tests/support/Canvas.h"
#include "tests/viewer/app/AppTestSupport.h"
#include "tests/viewer/app/InstallTestSupport.h"
#include "viewer/core/Markers.h"
#include "textrun/RunShared.h"

namespace apptest {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr DWORD kPatience = 30000;  // ms

// The modules the program carries, as built (AppendedModules.inc, made by CMake).
struct AppendedModule {
    contract::Module module;
    const char* file;
};
constexpr AppendedModule kAppended[] = {
#include "AppendedModules.inc"
};

const CLSID& ClsidOf(const AppendedModule& appended) { return contract::Identity(appended.module).clsid; }
std::string PathOf(const AppendedModule& appended) { return WindowsPath(appended.file); }

// An effect of a module file that is not registered, as the authoring
// program holds it while it writes the document; the module stays loaded
// as long as this object lives.
class UnregisteredEffect {
public:
    explicit UnregisteredEffect(const AppendedModule& appended) : module_(LoadLibraryA(PathOf(appended).c_str())) {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        const auto get = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
        comkit::ComPtr<IClassFactory> factory;
        if (get && SUCCEEDED(get(ClsidOf(appended), IID_IClassFactory, factory.put_void())))
            factory->CreateInstance(nullptr, IID_IViviFont, effect_.put_void());
    }
    UnregisteredEffect(const UnregisteredEffect&) = delete;
    UnregisteredEffect& operator=(const UnregisteredEffect&) = delete;
    ~UnregisteredEffect() {
        effect_.reset();
        FreeLibrary(module_);
    }
    comkit::ComPtr<IViviFont> Effect() const { return effect_; }

private:
    HMODULE module_;
    comkit::ComPtr<IViviFont> effect_;
};

// A document of a Static line and a line for each appended module, on navy.
std::string DocumentRecord() {
    StaticSource statics;
    model::SetDefaultEffectSource(&statics);
    std::vector<std::unique_ptr<UnregisteredEffect>> effects;
    std::string record;
    {
        auto text = std::make_unique<model::Text>();
        text->AppendLine(StaticLine(*text, {"Static"}, kYellow, 24));
        for (const AppendedModule& appended : kAppended) {
            effects.push_back(std::make_unique<UnregisteredEffect>(appended));
            auto line = text->TemplateLine().Clone();
            auto run = std::make_unique<model::Paragraph>();
            run->SetText(contract::Identity(appended.module).word);
            run->SetPoints(36);
            run->SetEffect(effects.back()->Effect());
            line->AppendRun(std::move(run));
            text->AppendLine(std::move(line));
        }
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

    // Whether the viewer answered a message sent to its main window: its
    // message loop runs and has handled what came before.
    bool Answers(HWND main) {
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &answer) != 0;
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

// The view's pixels once they show the document: the text's navy over more
// than half of it and the Static line's yellow. The window shows before its
// first paint reaches the screen, so each look first waits for the viewer
// to answer; the view is taken as it is after kPatience.
std::unique_ptr<testsupport::Canvas> CaptureShown(RunningViewer& running, HWND main) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!running.Answers(main)) return Capture(main);
        auto canvas = Capture(main);
        const RECT all{0, 0, canvas->width(), canvas->height()};
        const bool shown = canvas->Count(kNavy, all) > canvas->width() * canvas->height() / 2 &&
                           canvas->Count(kYellow, all) > 0;
        if (shown || GetTickCount() - start > kPatience) return canvas;
    }
}

class SelfContainedViewer : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        HMODULE resources = GetModuleHandleW(nullptr);  // the viewer's strings are linked in
        programPath = unique.path() + ".exe";
        for (const AppendedModule& appended : kAppended) Regsvr32(PathOf(appended), true);
        std::ofstream program(programPath, std::ios::binary);
        program << ReadFileBytes(QuillonPath());
        for (const AppendedModule& appended : kAppended)
            program << EffectEntry(core::EffectMarker(resources), ClsidOf(appended), ReadFileBytes(PathOf(appended)));
        program << core::DocumentMarker(resources) << DocumentRecord();
    }
    void TearDown() override {
        DeleteFileA(programPath.c_str());
        RegistryTest::TearDown();
    }

    ScratchFile unique;  // a free name in the temporary folder
    std::string programPath;
};

TEST_F(SelfContainedViewer, InstallsItsModulesShowsItsDocumentAndLeavesNothingBehind) {
    const std::set<std::string> before = TempFiles("ZEQ");
    RunningViewer running(programPath);
    HWND main = running.WaitForWindow();
    ASSERT_NE(nullptr, main);

    const std::set<std::string> installed = Added(before);
    EXPECT_EQ(std::size(kAppended) + 1, installed.size()) << "Static and the appended modules";
    for (const AppendedModule& appended : kAppended) {
        const auto server = RegisteredServer(ClsidOf(appended));
        ASSERT_TRUE(server) << contract::Identity(appended.module).word;
        EXPECT_TRUE(installed.count(Upper(*server))) << *server;
    }
    const auto canvas = CaptureShown(running, main);
    EXPECT_GT(canvas->Count(kNavy, {0, 0, canvas->width(), canvas->height()}), canvas->width() * canvas->height() / 2);
    EXPECT_GT(canvas->Count(kYellow, {0, 0, canvas->width(), canvas->height()}), 0);

    EXPECT_EQ(std::optional<DWORD>(0), running.Close(main));
    for (const AppendedModule& appended : kAppended) EXPECT_FALSE(RegisteredServer(ClsidOf(appended)));
    EXPECT_FALSE(RegisteredServer(StaticClsid()));
    EXPECT_TRUE(Added(before).empty());
}

TEST_F(SelfContainedViewer, WithStaticRegisteredWritesNoStaticFileAndKeepsThatRegistration) {
    ASSERT_EQ(0, Regsvr32(StaticModulePath()));
    const std::set<std::string> before = TempFiles("ZEQ");
    RunningViewer running(programPath);
    HWND main = running.WaitForWindow();
    ASSERT_NE(nullptr, main);

    EXPECT_EQ(std::size(kAppended), Added(before).size()) << "the appended modules alone";

    EXPECT_EQ(std::optional<DWORD>(0), running.Close(main));
    EXPECT_EQ(StaticModulePath(), RegisteredServer(StaticClsid()));
    for (const AppendedModule& appended : kAppended) EXPECT_FALSE(RegisteredServer(ClsidOf(appended)));
    EXPECT_TRUE(Added(before).empty());
}

}  // namespace
}  // namespace apptest
