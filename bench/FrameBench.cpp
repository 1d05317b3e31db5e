// Frame benchmark, in two modes.
//
// Timing: for every effect module found in a folder (or the ones named), the
// median time of one UpdateTextFace on a standard run (36 px, 20 characters)
// and a large one (96 px, 40 characters), against the Static effect's
// DrawTextFace.
//   quillon_bench [modules folder [module words...]]
//   (default: ..\modules beside this program, every module)
//
// Identity: the modules of two folders side by side, frame for frame on the
// same runs, with the frames whose pixels differ counted (exit code 0 when
// none differ).
//   quillon_bench --compare BEFORE_FOLDER AFTER_FOLDER [module words...]
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/BenchRuns.h"
#include "bench/ModuleObject.h"
#include "bench/ModuleWords.h"
#include "bench/PixelIdentity.h"
#include "winkit/GdiHandles.h"

namespace {

constexpr int kWarmUpFrames = 20;
constexpr int kTimedFrames = 300;
constexpr wchar_t kCompare[] = L"--compare";

// A target like a window's: a screen-compatible bitmap in a memory context.
class Target {
public:
    Target(int width, int height)
        : dc_(screen_.get()), bitmap_(CreateCompatibleBitmap(screen_.get(), width, height)),
          selection_(dc_.get(), bitmap_.get()) {}
    HDC dc() const { return dc_.get(); }

private:
    winkit::ScreenDC screen_;
    winkit::MemoryDC dc_;
    winkit::Bitmap bitmap_;
    winkit::Selection selection_;
};

// Median microseconds of one call after a warm-up.
double MedianMicroseconds(const std::function<void()>& frame) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < kWarmUpFrames; ++i) frame();
    std::vector<double> times(kTimedFrames);
    for (double& time : times) {
        QueryPerformanceCounter(&start);
        frame();
        QueryPerformanceCounter(&end);
        time = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
    }
    std::nth_element(times.begin(), times.begin() + kTimedFrames / 2, times.end());
    return times[kTimedFrames / 2];
}

struct Timing {
    SIZE area{};
    double median = 0;
};

// The run's drawing area and the median microseconds of the effect's frame on it.
Timing TimeFrames(IViviFont* effect, const bench::RunSize& size, bool update) {
    const bench::BoundRun run(effect, size);
    const SIZE area = run.Area();
    Target target(area.cx + 16, area.cy + 16);
    const double median = MedianMicroseconds([&] {
        if (update)
            effect->UpdateTextFace(target.dc(), {8, 8});
        else
            effect->DrawTextFace(target.dc(), {8, 8});
    });
    return {area, median};
}

int TimeModules(const std::wstring& folder, const std::vector<std::string>& only) {
    const bench::RunSize sizes[] = {bench::StandardRun(), bench::LargeRun()};
    double baseline[2] = {0, 0};
    bool found = false;
    std::printf("%-12s %-16s %10s %14s %8s %10s %14s %8s\n", "module", "class", "standard", "us/frame", "ratio",
                "large", "us/frame", "ratio");
    // Static first: the others are given as multiples of its drawing.
    for (const contract::ModuleIdentity& identity : bench::ModulesStaticFirst()) {
        const bool isStatic = std::string_view(identity.word) == "Static";
        if (!isStatic && !bench::Wanted(only, identity.word)) continue;
        const bench::LoadedModule module(bench::ModulePath(folder, identity));
        Timing timings[2];
        bool ran = static_cast<bool>(module);
        for (int s = 0; s < 2 && ran; ++s) {
            comkit::ComPtr<IViviFont> effect = module.Create(identity.clsid);
            ran = static_cast<bool>(effect);
            if (ran) timings[s] = TimeFrames(effect.get(), sizes[s], !isStatic);
        }
        if (!ran) continue;
        found = true;
        if (isStatic) std::transform(timings, timings + 2, baseline, [](const Timing& t) { return t.median; });
        const std::string className(identity.className, identity.className + wcslen(identity.className));
        std::printf("%-12s %-16s %4ldx%-5ld %14.1f %8.2f %4ldx%-5ld %14.1f %8.2f\n", identity.word, className.c_str(),
                    timings[0].area.cx, timings[0].area.cy, timings[0].median, timings[0].median / baseline[0],
                    timings[1].area.cx, timings[1].area.cy, timings[1].median, timings[1].median / baseline[1]);
    }
    if (!found) {
        std::fprintf(stderr, "no effect modules in the folder\n");
        return 1;
    }
    return 0;
}

int Compare(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: quillon_bench --compare BEFORE_FOLDER AFTER_FOLDER [module words...]\n");
        return 2;
    }
    const int differing = bench::ComparePixels(argv[2], argv[3], bench::Words(argc, argv, 4));
    if (differing < 0) std::fprintf(stderr, "no module is in both folders\n");
    return differing == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    const bool compare = argc > 1 && std::wstring_view(argv[1]) == kCompare;
    const int result = compare ? Compare(argc, argv)
                               : TimeModules(argc > 1 ? argv[1] : bench::DefaultModulesFolder(), bench::Words(argc, argv, 2));
    OleUninitialize();
    return result;
}
