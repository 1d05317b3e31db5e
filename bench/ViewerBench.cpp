// Viewer benchmark: what the viewer's animation costs. For every effect
// module of a folder in turn, a document of 40 visible runs of the effect
// (10 lines of 4 runs, 16 points, default settings, written with the
// viewer's own record writer) is opened in the viewer, and the viewer
// process's CPU time over a fixed period of animation is taken, as a share
// of one core. Right before each, the same is measured on a document of 40
// Static runs, so that both figures see the same load on the machine. Each
// pair runs `rounds` times; the medians are reported.
// Usage: quillon_view_bench [--seconds S] [--rounds R] [modules folder [module words...]]
//   (default: 5 s, 3 rounds, ..\modules beside this program, every module;
//   the viewer is ..\bin\Quillon.exe beside this program)
// The folder's modules serve their classes for the run (ModuleRegistration).
#include <windows.h>
#include <ole2.h>
#include <tlhelp32.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/BenchDocument.h"
#include "bench/ModuleRegistration.h"
#include "bench/ModuleWords.h"
#include "contract/module_identity.h"
#include "winkit/FileHandle.h"

namespace {

// The first frames build every run's surfaces: not what is measured.
constexpr DWORD kSettleMs = 2000;
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kCloseTimeoutMs = 15000;
// The viewer's window where the documents' ten lines all show.
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 740;

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Kernel and user time of a process's threads, in 100 ns ticks: Wine answers
// GetProcessTimes for the calling process only, GetThreadTimes for any
// thread. The time of a thread that ends is lost; the viewer animates on
// its main thread.
unsigned long long ProcessCpu(DWORD process) {
    const winkit::FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot) return 0;
    unsigned long long total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID != process) continue;
        const winkit::FileHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
        FILETIME created, exited, kernel, user;
        if (thread && GetThreadTimes(thread.get(), &created, &exited, &kernel, &user))
            total += Ticks(kernel) + Ticks(user);
    }
    return total;
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindTopWindow(HWND window, LPARAM search) {
    auto* wanted = reinterpret_cast<WindowSearch*>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != wanted->process || !IsWindowVisible(window) || GetWindow(window, GW_OWNER)) return TRUE;
    wanted->found = window;
    return FALSE;
}

// The viewer's CPU share of one core while it animates `document` for
// `seconds`; negative when it could not be measured.
double ViewerCpu(const std::wstring& viewer, const std::wstring& document, double seconds) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USEPOSITION | STARTF_USESIZE;
    startup.dwXSize = kWindowWidth;
    startup.dwYSize = kWindowHeight;
    std::wstring command = L"\"" + viewer + L"\" \"" + document + L"\"";
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(viewer.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return -1;
    const winkit::FileHandle process(started.hProcess), thread(started.hThread);
    double share = -1;
    WindowSearch search{started.dwProcessId, nullptr};
    if (WaitForInputIdle(process.get(), kStartTimeoutMs) == 0) {
        EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&search));
        // The pointer rests in the empty lower corner of the window meanwhile:
        // no run is hovered.
        RECT frame{};
        POINT pointer{};
        const bool parked = search.found && GetCursorPos(&pointer) && GetWindowRect(search.found, &frame) &&
                            SetCursorPos(frame.right - 20, frame.bottom - 20);
        Sleep(kSettleMs);
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        const unsigned long long before = ProcessCpu(started.dwProcessId);
        const bool alive = WaitForSingleObject(process.get(), static_cast<DWORD>(seconds * 1000)) == WAIT_TIMEOUT;
        const unsigned long long after = ProcessCpu(started.dwProcessId);
        QueryPerformanceCounter(&end);
        const double wall = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (alive && search.found) share = static_cast<double>(after - before) / 1e7 / wall;
        if (parked) SetCursorPos(pointer.x, pointer.y);
    }
    if (search.found) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), kCloseTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
    return share;
}

double Median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Options {
    double seconds = 5;
    int rounds = 3;
    std::wstring modules;
    std::vector<std::string> only;
};

int Run(const Options& options) {
    const std::wstring viewer = ProgramFolder() + L"..\\bin\\Quillon.exe";
    if (GetFileAttributesW(viewer.c_str()) == INVALID_FILE_ATTRIBUTES) {
        std::fprintf(stderr, "no viewer at %ls\n", viewer.c_str());
        return 1;
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring statics = std::wstring(temp) + L"quillon-animation-Static.qvl";
    if (!bench::WriteAnimationDocument(statics, nullptr)) {
        std::fprintf(stderr, "cannot write %ls\n", statics.c_str());
        return 1;
    }

    std::printf("%d runs (%d lines of %d, %d points, default settings); viewer CPU in %% of one core,\n",
                bench::kAnimationLines * bench::kAnimationRunsPerLine, bench::kAnimationLines,
                bench::kAnimationRunsPerLine, bench::kAnimationPoints);
    std::printf("median of %d rounds of %.0f s each, every effect measured right after Static\n\n", options.rounds,
                options.seconds);
    std::printf("%-12s %10s %10s\n", "effect", "effect %", "Static %");
    int result = 0;
    for (const contract::ModuleIdentity& identity : contract::AllModules()) {
        const std::string_view word(identity.word);
        if (word == "Static" || !bench::Wanted(options.only, word)) continue;
        const bench::ModuleRegistration module(options.modules + L"\\" + std::wstring(word.begin(), word.end()) + L".dll",
                                               identity.clsid);
        const std::wstring document =
            std::wstring(temp) + L"quillon-animation-" + std::wstring(word.begin(), word.end()) + L".qvl";
        if (!module.Ready() || !bench::WriteAnimationDocument(document, &identity.clsid)) {
            std::fprintf(stderr, "%s: no module or no document\n", identity.word);
            result = 1;
            continue;
        }
        std::vector<double> effect, baseline;
        for (int round = 0; round < options.rounds; ++round) {
            baseline.push_back(ViewerCpu(viewer, statics, options.seconds) * 100);
            effect.push_back(ViewerCpu(viewer, document, options.seconds) * 100);
        }
        DeleteFileW(document.c_str());
        const bool measured = std::min(*std::min_element(effect.begin(), effect.end()),
                                       *std::min_element(baseline.begin(), baseline.end())) >= 0;
        if (!measured) result = 1;
        std::printf("%-12s %10.1f %10.1f%s\n", identity.word, Median(effect), Median(baseline),
                    measured ? "" : "  (a viewer did not start or ended early)");
        std::fflush(stdout);
    }
    DeleteFileW(statics.c_str());
    return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    Options options;
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        const std::wstring_view flag(argv[i]);
        if (flag == L"--seconds")
            options.seconds = std::wcstod(argv[i + 1], nullptr);
        else if (flag == L"--rounds")
            options.rounds = std::max(1, static_cast<int>(std::wcstol(argv[i + 1], nullptr, 10)));
        else
            break;
    }
    options.modules = i < argc ? argv[i++] : ProgramFolder() + L"..\\modules";
    options.only = bench::Words(argc, argv, i);
    const int result = Run(options);
    OleUninitialize();
    return result;
}
