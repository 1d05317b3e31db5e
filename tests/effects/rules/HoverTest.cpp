#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "effects/Lanky/LankyFont.h"
#include "effects/Naughty/NaughtyFont.h"
#include "effects/Singing/SingingFont.h"
#include "effects/SpinnetMax/SpinnetMaxFont.h"
#include "effects/Stiltmax/StiltmaxFont.h"
#include "effects/Stiltripple/StiltrippleFont.h"
#include "effects/Sway/SwayFont.h"
#include "effects/Tumblar/TumblarFont.h"
#include "effects/TumblarMax/TumblarMaxFont.h"
#include "effects/common/CrtRandom.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

template <class Font>
using Hosted = testsupport::HostedPalette<Font>;

using Picture = std::vector<COLORREF>;

// What the host does to a freshly bound run before its frames.
template <class Font>
struct Calls {
    const char* what;
    void (*made)(Hosted<Font>&);
};

// The eight frames a run shows after the host's calls, the jumping letters
// drawing the same numbers in every run.
template <class Font>
std::vector<Picture> FramesAfter(void (*calls)(Hosted<Font>&)) {
    Hosted<Font> hosted(L"HHHH", 30);
    calls(hosted);
    std::vector<Picture> frames;
    for (int frame = 0; frame < 8; ++frame) {
        palette::ModuleRandom().Seed(frame);
        hosted.Frames(1);
        Picture& shown = frames.emplace_back();
        for (int y = 0; y < hosted.canvas.height(); ++y)
            for (int x = 0; x < hosted.canvas.width(); ++x) shown.push_back(hosted.canvas.Pixel(x, y));
    }
    return frames;
}

int FramesDiffering(const std::vector<Picture>& a, const std::vector<Picture>& b) {
    int differing = 0;
    for (size_t frame = 0; frame < a.size(); ++frame) differing += a[frame] != b[frame];
    return differing;
}

template <class Font>
void ExpectEachToDrawAs(const std::vector<Calls<Font>>& cases, const std::vector<Picture>& expected, const char* name) {
    for (const Calls<Font>& calls : cases)
        EXPECT_EQ(0, FramesDiffering(expected, FramesAfter<Font>(calls.made))) << name << ": " << calls.what;
}

// Every build ends a hover that began before it, whatever asked for the
// build: the run draws what a run the mouse never entered draws, its motion
// running. A change of the run while deactivated builds nothing, so the
// hover ends at the next frame's build.
template <class Font>
struct EndsAtEveryBuild {
    static void Run(const char* name) {
        const std::vector<Picture> free = FramesAfter<Font>([](Hosted<Font>&) {});
        EXPECT_GT(std::set<Picture>(free.begin(), free.end()).size(), 1u) << name << " moves";
        const std::vector<Calls<Font>> cases = {
            {"entered, then the first frame", [](Hosted<Font>& run) { run.effect->MouseEnter(); }},
            {"entered, then activated",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 run.effect->Activate();
             }},
            {"entered, then deactivated and a frame",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->MouseEnter();
                 run.effect->Deactivate();
             }},
            {"deactivated, the run changed, then entered and a frame",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->Deactivate();
                 run.effect->ChangeParagraph();
                 run.effect->MouseEnter();
             }},
            {"activated, entered, then the run changed",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->MouseEnter();
                 run.effect->ChangeParagraph();
             }},
        };
        ExpectEachToDrawAs(cases, free, name);
    }
};

// Between builds the hover holds: a run entered after its first frame
// draws otherwise than one left alone, and a parameter record that changes
// no watched field rebuilds nothing and so keeps it.
template <class Font>
struct HoldsBetweenBuilds {
    static void Run(const char* name) {
        const std::vector<Picture> held = FramesAfter<Font>([](Hosted<Font>& run) {
            run.Frames(1);
            run.effect->MouseEnter();
        });
        const std::vector<Picture> free = FramesAfter<Font>([](Hosted<Font>& run) { run.Frames(1); });
        EXPECT_GT(FramesDiffering(held, free), 0) << name << ": a frame, then entered";
        const std::vector<Calls<Font>> cases = {
            {"a frame, entered, then a record that changes no watched field",
             [](Hosted<Font>& run) {
                 run.Frames(1);
                 run.effect->MouseEnter();
                 ASSERT_EQ(S_OK, run.Set(run.Saved()));
             }},
        };
        ExpectEachToDrawAs(cases, held, name);
    }
};

// The classes that hold or change their motion under the mouse and start it
// over at each build.
template <template <class> class Check>
void ForEveryClassWhoseHoverABuildEnds() {
    Check<SwayFont>::Run("Sway");
    Check<SingingFont>::Run("Singing");
    Check<LankyFont>::Run("Lanky");
    Check<StiltrippleFont>::Run("Stiltripple");
    Check<StiltmaxFont>::Run("Stiltmax");
    Check<TumblarFont>::Run("Tumblar");
    Check<TumblarMaxFont>::Run("TumblarMax");
    Check<SpinnetMaxFont>::Run("SpinnetMax");
    Check<NaughtyFont>::Run("Naughty");
}

TEST(Hover, EndsAtEveryBuildWhateverAskedForIt) { ForEveryClassWhoseHoverABuildEnds<EndsAtEveryBuild>(); }

TEST(Hover, HoldsBetweenBuilds) { ForEveryClassWhoseHoverABuildEnds<HoldsBetweenBuilds>(); }

}  // namespace
