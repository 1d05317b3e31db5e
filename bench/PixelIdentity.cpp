#include "bench/PixelIdentity.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>
#include <utility>

#include "bench/BenchRuns.h"
#include "bench/ModuleObject.h"
#include "bench/ModuleWords.h"
#include "winkit/ReadableTarget.h"

namespace bench {

namespace {

// Two full turns of any phase that advances by one a frame, and every
// character of the large run's band effects twice over.
constexpr int kFrames = 512;
constexpr COLORREF kPaper = RGB(10, 200, 30);
constexpr int kMargin = 8;
// A clock second may turn between the two builds of a case; the modules'
// generators are seeded from it, so the case is run again from freshly
// loaded modules.
constexpr int kAttempts = 3;

struct Case {
    const char* name;
    RunSize run;
    bool hover;
    winkit::TargetKind target;
    const char* targetName;
};

RunSize Turned(RunSize run) {
    run.escapement = 50;
    return run;
}

// Light grey: a copy to a monochrome bitmap turns it black, its nearest
// colour there is white.
RunSize OnLightGrey(RunSize run) {
    run.background = RGB(200, 200, 200);
    return run;
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const auto& [target, name] : {std::pair{winkit::TargetKind::Section8, "8"},
                                       std::pair{winkit::TargetKind::Section32, "32"}}) {
        cases.push_back({"hover", StandardRun(), true, target, name});
        cases.push_back({"standard", StandardRun(), false, target, name});
        cases.push_back({"large", LargeRun(), false, target, name});
        cases.push_back({"turned", Turned(StandardRun()), false, target, name});
    }
    // Strips are cut only on a run taller than one strip.
    cases.push_back({"large", LargeRun(), false, winkit::TargetKind::ScaledSection32, "scaled"});
    cases.push_back({"large", LargeRun(), false, winkit::TargetKind::Metafile, "emf"});
    cases.push_back({"standard", OnLightGrey(StandardRun()), false, winkit::TargetKind::Monochrome, "mono"});
    cases.push_back({"standard", StandardRun(), false, winkit::TargetKind::ScreenBitmap, "screen"});
    return cases;
}

// What the mouse does before frame `frame` of a hover case: it enters, moves
// across the run, presses now and then, leaves and comes back.
void Mouse(IViviFont* effect, int frame, SIZE area) {
    if (frame == 0 || frame == 3 * kFrames / 4) effect->MouseEnter();
    if (frame == kFrames / 2) {
        effect->MouseLeave();
        return;
    }
    if (frame > kFrames / 2 && frame < 3 * kFrames / 4) return;
    const POINT point{static_cast<LONG>((frame * 7) % std::max<LONG>(area.cx, 1)),
                      static_cast<LONG>((frame * 3) % std::max<LONG>(area.cy, 1))};
    effect->OnMouseMove(point);
    if (frame % 64 == 5) effect->OnButtonDown(point);
}

struct Outcome {
    int differing = 0;
    bool clockTurned = false;  // the builds fell in different clock seconds
    bool failed = false;       // an object could not be made or drawn
};

Outcome RunCase(const LoadedModule& before, const LoadedModule& after, const CLSID& clsid, const Case& c) {
    Outcome outcome;
    // The first object of a module seeds its generator, and some effects
    // seed it again at every build: from the clock's seconds.
    const std::time_t start = std::time(nullptr);
    const comkit::ComPtr<IViviFont> a = before.Create(clsid);
    const comkit::ComPtr<IViviFont> b = after.Create(clsid);
    if (!a || !b) return {0, false, true};
    const BoundRun runA(a.get(), c.run);
    const BoundRun runB(b.get(), c.run);
    const SIZE area = runA.Area();
    const SIZE areaB = runB.Area();
    if (area.cx != areaB.cx || area.cy != areaB.cy) return {kFrames, false, false};
    const winkit::ReadableTarget targetA(area.cx + 2 * kMargin, area.cy + 2 * kMargin, c.target, kPaper);
    const winkit::ReadableTarget targetB(area.cx + 2 * kMargin, area.cy + 2 * kMargin, c.target, kPaper);
    if (!targetA || !targetB) return {0, false, true};
    const POINT at{kMargin, kMargin};
    for (int frame = 0; frame < kFrames; ++frame) {
        if (c.hover) {
            Mouse(a.get(), frame, area);
            Mouse(b.get(), frame, area);
        }
        a->UpdateTextFace(targetA.dc(), at);
        b->UpdateTextFace(targetB.dc(), at);
        if (frame == 0 && std::time(nullptr) != start) return {0, true, false};
        const std::span<const BYTE> pixelsA = targetA.Pixels();
        const std::span<const BYTE> pixelsB = targetB.Pixels();
        if (std::memcmp(pixelsA.data(), pixelsB.data(), pixelsA.size()) != 0) ++outcome.differing;
    }
    return outcome;
}

}  // namespace

int ComparePixels(const std::wstring& before, const std::wstring& after, const std::vector<std::string>& only) {
    const std::vector<Case> cases = Cases();
    std::printf("%-12s", "module");
    for (const Case& c : cases) std::printf(" %8s/%-6s", c.name, c.targetName);
    std::printf("   (differing frames of %d)\n", kFrames);
    int differing = 0;
    bool compared = false;
    for (const contract::ModuleIdentity& identity : ModulesStaticFirst()) {
        if (!Wanted(only, identity.word)) continue;
        std::vector<Outcome> outcomes;
        bool loaded = true, turned = true;
        for (int attempt = 0; attempt < kAttempts && loaded && turned; ++attempt) {
            // Loaded afresh for every attempt: the first object of each
            // module seeds its generator again.
            const LoadedModule a(ModulePath(before, identity));
            const LoadedModule b(ModulePath(after, identity));
            loaded = a && b;
            outcomes.clear();
            turned = false;
            for (const Case& c : cases) {
                if (!loaded) break;
                outcomes.push_back(RunCase(a, b, identity.clsid, c));
                turned = turned || outcomes.back().clockTurned;
            }
        }
        if (!loaded) {
            std::printf("%-12s not in both folders\n", identity.word);
            continue;
        }
        compared = true;
        std::printf("%-12s", identity.word);
        for (const Outcome& outcome : outcomes) {
            // A case that fails, or whose builds kept straddling a clock
            // second, counts as differing in every frame.
            const bool counted = !outcome.failed && !outcome.clockTurned;
            if (counted)
                std::printf(" %15d", outcome.differing);
            else
                std::printf(" %15s", outcome.failed ? "failed" : "clock");
            differing += counted ? outcome.differing : kFrames;
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    if (!compared) return -1;
    std::printf("differing frames in all: %d\n", differing);
    return differing;
}

}  // namespace bench
