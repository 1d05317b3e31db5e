// Document benchmark: how opening a document grows with its size. Writes
// documents of 1,000, 10,000 and 100,000 lines (plain Static runs, and
// animated Rain runs with their property records) and opens each in a
// process of its own, as the viewer does: the effect catalogue, the record
// read into a new text, the first screen laid out and drawn. It reports the
// load, the first screen, the layout of every line and the peak memory of
// that process, wall-clock and CPU time, and the time per line.
// Usage: quillon_doc_bench [modules folder [line counts...]]
//   (default: ..\modules beside this program; 1000 10000 100000)
// The Static and Rain modules of the folder are registered for the run when
// their classes are not registered yet.
#include <windows.h>
#include <ole2.h>
#include <psapi.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "appkit/archive/ArchiveError.h"
#include "appkit/archive/FileArchive.h"
#include "bench/BenchDocument.h"
#include "bench/ModuleRegistration.h"
#include "contract/module_identity.h"
#include "viewer/core/EffectCatalogue.h"
#include "viewer/interaction/VisibleLines.h"
#include "viewer/model/RecordHost.h"
#include "viewer/model/Text.h"
#include "winkit/FileHandle.h"
#include "winkit/GdiHandles.h"

namespace {

constexpr wchar_t kMeasure[] = L"--measure";
// A client area like the viewer's maximised window here.
constexpr int kClientWidth = 1024;
constexpr int kClientHeight = 700;

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

// Wall-clock and CPU time of this thread since construction, in milliseconds.
class Stopwatch {
public:
    Stopwatch() {
        QueryPerformanceCounter(&wall_);
        cpu_ = ThreadCpu();
    }
    double WallMs() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(now.QuadPart - wall_.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
    }
    double CpuMs() const { return static_cast<double>(ThreadCpu() - cpu_) / 1e4; }

private:
    static unsigned long long ThreadCpu() {
        FILETIME created, exited, kernel, user;
        GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
        const auto ticks = [](const FILETIME& t) {
            return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        };
        return ticks(kernel) + ticks(user);
    }

    LARGE_INTEGER wall_;
    unsigned long long cpu_;
};

class CatalogueHost final : public model::RecordHost {
public:
    explicit CatalogueHost(const core::EffectCatalogue& catalogue) : catalogue_(catalogue) {}
    IViviFont* FindEffectByClsid(const CLSID& clsid) override { return catalogue_.FindEffectByClsid(clsid); }
    void ShowMessage(const std::wstring& text, UINT) override {
        std::fprintf(stderr, "record message: %ls\n", text.c_str());
    }

private:
    const core::EffectCatalogue& catalogue_;
};

// The child: opens one document as the viewer does and prints one line of
// figures (wall and CPU ms of load, first screen and all lines; peak MB).
int Measure(const std::wstring& path) {
    core::EffectCatalogue catalogue;
    catalogue.BuildEffectCatalogue([](const std::wstring& text, UINT) {
        std::fprintf(stderr, "catalogue message: %ls\n", text.c_str());
    });
    CatalogueHost host(catalogue);
    winkit::FileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return 1;

    double figures[6] = {};
    {
        model::Text text;
        const Stopwatch load;
        try {
            appkit::FileArchive archive(file.get(), appkit::Archive::Mode::Load);
            text.Serialize(archive, host);
        } catch (const appkit::ArchiveError& error) {
            std::fprintf(stderr, "cannot read: %s\n", error.what());
            return 1;
        }
        figures[0] = load.WallMs();
        figures[1] = load.CpuMs();

        // The first paint: the visible lines laid out and drawn.
        winkit::ScreenDC screen;
        winkit::MemoryDC target(screen.get());
        winkit::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), kClientWidth, kClientHeight));
        winkit::Selection selected(target.get(), bitmap.get());
        const Stopwatch firstScreen;
        const interaction::VisibleLines lines = interaction::LayoutVisibleLines(text, 0, kClientHeight);
        for (std::size_t i = 0; i < lines.origins.size(); ++i)
            text.LineAt(lines.first + static_cast<int>(i))->Draw(target.get(), lines.origins[i].x, lines.origins[i].y);
        figures[2] = firstScreen.WallMs();
        figures[3] = firstScreen.CpuMs();

        // Scrolling through the whole document lays out every line.
        const Stopwatch all;
        for (int index = 0; index < text.LineCount(); ++index) text.LineAt(index)->Recalc();
        figures[4] = all.WallMs();
        figures[5] = all.CpuMs();
    }
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    std::printf("%.1f %.1f %.1f %.1f %.1f %.1f %.1f\n", figures[0], figures[1], figures[2], figures[3], figures[4],
                figures[5], static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    return 0;
}

// Runs this program with --measure on the document and reads its line.
bool MeasureInChild(const std::wstring& document, double (&figures)[7]) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return false;
    winkit::FileHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + ProgramPath() + L"\" " + kMeasure + L" \"" + document + L"\"";
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return false;
    const winkit::FileHandle child(process.hProcess), thread(process.hThread);
    // The child holds the only write end now: its exit ends the reading.
    writer.reset();
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    WaitForSingleObject(child.get(), INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(child.get(), &code);
    return code == 0 && std::sscanf(output.c_str(), "%lf %lf %lf %lf %lf %lf %lf", &figures[0], &figures[1],
                                    &figures[2], &figures[3], &figures[4], &figures[5], &figures[6]) == 7;
}

int Run(const std::wstring& modules, const std::vector<int>& sizes) {
    const bench::ModuleRegistration statics(modules + L"\\Static.dll", contract::Identity(contract::Module::Static).clsid);
    const bench::ModuleRegistration rain(modules + L"\\Rain.dll", contract::Identity(contract::Module::Rain).clsid);
    if (!statics.Ready() || !rain.Ready()) {
        std::fprintf(stderr, "the Static and Rain modules of %ls cannot be registered\n", modules.c_str());
        return 1;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);

    std::printf("%-6s %8s | %10s %10s %9s | %10s %10s | %10s %10s | %8s\n", "runs", "lines", "load ms", "load cpu",
                "cpu us/ln", "screen ms", "screen cpu", "all ms", "all cpu", "peak MB");
    int result = 0;
    for (const bench::RunKind kind : {bench::RunKind::Plain, bench::RunKind::Rain}) {
        for (const int lines : sizes) {
            const std::wstring document =
                std::wstring(temp) + L"quillon-bench-" + (kind == bench::RunKind::Plain ? L"plain-" : L"rain-") +
                std::to_wstring(lines) + L".qvl";
            double f[7];
            if (!bench::WriteBenchDocument(document, kind, lines) || !MeasureInChild(document, f)) {
                std::fprintf(stderr, "%s %d: failed\n", bench::KindName(kind), lines);
                result = 1;
                continue;
            }
            DeleteFileW(document.c_str());
            std::printf("%-6s %8d | %10.1f %10.1f %9.1f | %10.1f %10.1f | %10.1f %10.1f | %8.1f\n",
                        bench::KindName(kind), lines, f[0], f[1], f[1] * 1e3 / lines, f[2], f[3], f[4], f[5], f[6]);
            std::fflush(stdout);
        }
    }
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    int result = 0;
    if (argc == 3 && std::wstring(argv[1]) == kMeasure) {
        result = Measure(argv[2]);
    } else {
        const std::wstring modules = argc > 1 ? argv[1] : FolderOf(ProgramPath()) + L"..\\modules";
        std::vector<int> sizes;
        for (int i = 2; i < argc; ++i) sizes.push_back(std::wcstol(argv[i], nullptr, 10));
        if (sizes.empty()) sizes = {1000, 10000, 100000};
        result = Run(modules, sizes);
    }
    OleUninitialize();
    return result;
}
