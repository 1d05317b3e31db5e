// Frame benchmark: for every effect module found in a folder, the median time
// of one UpdateTextFace on a standard run (36 px, 20 characters) and a large
// one (96 px, 40 characters), against the Static effect's DrawTextFace.
// Usage: quillon_bench [modules folder]  (default: ..\modules beside this program)
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/ModuleObject.h"
#include "contract/module_identity.h"
#include "tests/support/TestHost.h"
#include "winkit/GdiHandles.h"

namespace {

constexpr int kWarmUpFrames = 20;
constexpr int kTimedFrames = 300;
// Mixed Latin, kana, kanji and digits.
constexpr wchar_t kTwenty[] = L"Quillon雨の文字列テスト12AB!";

struct RunSize {
    const char* name;
    int pixels;
    std::wstring text;
};

std::wstring DefaultFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"..\\modules";
}

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
Timing TimeFrames(IViviFont* effect, const RunSize& size, bool update) {
    testsupport::TestFontCache fonts;
    testsupport::TestRun run(size.text, size.pixels);
    run.colour = RGB(255, 255, 255);
    run.background = RGB(0, 0, 64);
    testsupport::Bind(effect, &fonts, &run);
    SIZE area{};
    effect->GetDrawingArea(&area);
    Target target(area.cx + 16, area.cy + 16);
    const double median = MedianMicroseconds([&] {
        if (update)
            effect->UpdateTextFace(target.dc(), {8, 8});
        else
            effect->DrawTextFace(target.dc(), {8, 8});
    });
    // The effect must not outlive the run and font cache it points to.
    effect->SetParagraph(nullptr);
    return {area, median};
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::setlocale(LC_ALL, "Japanese");
    if (FAILED(OleInitialize(nullptr))) return 2;
    const std::wstring folder = argc > 1 ? argv[1] : DefaultFolder();
    const RunSize sizes[] = {{"standard", 36, kTwenty}, {"large", 96, std::wstring(kTwenty) + kTwenty}};

    // Static first: the others are given as multiples of its drawing.
    std::vector<contract::ModuleIdentity> modules(contract::AllModules().begin(), contract::AllModules().end());
    std::stable_partition(modules.begin(), modules.end(),
                          [](const contract::ModuleIdentity& m) { return std::string_view(m.word) == "Static"; });

    double baseline[2] = {0, 0};
    bool found = false;
    std::printf("%-12s %-16s %10s %14s %8s %10s %14s %8s\n", "module", "class", "standard", "us/frame", "ratio",
                "large", "us/frame", "ratio");
    for (const contract::ModuleIdentity& identity : modules) {
        const std::string_view word(identity.word);
        const bench::LoadedModule module(folder + L"\\" + std::wstring(word.begin(), word.end()) + L".dll");
        const bool isStatic = word == "Static";
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
    OleUninitialize();
    if (!found) {
        std::fprintf(stderr, "no effect modules in the folder\n");
        return 1;
    }
    return 0;
}
