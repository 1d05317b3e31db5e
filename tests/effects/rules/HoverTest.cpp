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

// The frames of a run the mouse entered once it was built, and of one it never entered.
template <class Font>
struct Reference {
    std::vector<Picture> held = FramesAfter<Font>([](Hosted<Font>& run) {
        run.effect->Activate();
        run.effect->MouseEnter();
    });
    std::vector<Picture> free = FramesAfter<Font>([](Hosted<Font>&) {});
};

template <class Font>
void ExpectEachToDrawAs(const std::vector<Calls<Font>>& cases, const std::vector<Picture>& expected, const char* name) {
    for (const Calls<Font>& calls : cases)
        EXPECT_EQ(0, FramesDiffering(expected, FramesAfter<Font>(calls.made))) << name << ": " << calls.what;
}

// A build that no change of the run asked for (the first frame, an
// activation, the first frame after a deactivation) keeps a hover that began
// before it, however late the build runs: the run draws what a run entered
// after its build draws.
template <class Font>
struct OutlivesBuilds {
    static void Run(const char* name) {
        const Reference<Font> reference;
        ASSERT_GT(FramesDiffering(reference.held, reference.free), 0) << name << ": the hover shows";
        const std::vector<Calls<Font>> cases = {
            {"entered before the first frame", [](Hosted<Font>& run) { run.effect->MouseEnter(); }},
            {"entered, then activated",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 run.effect->Activate();
             }},
            {"entered, then deactivated",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->MouseEnter();
                 run.effect->Deactivate();
             }},
            {"run changed while deactivated, then entered",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->Deactivate();
                 run.effect->ChangeParagraph();
                 run.effect->MouseEnter();
             }},
            {"entered, then a record that changes no watched field",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 ASSERT_EQ(S_OK, run.Set(run.Saved()));
             }},
        };
        ExpectEachToDrawAs(cases, reference.held, name);
    }
};

// A change of the run after the mouse entered ends the hover whether the
// surfaces exist or wait for the next frame: the run draws what a run the
// mouse never entered draws, its motion running.
template <class Font>
struct EndsWithARunChange {
    static void Run(const char* name) {
        const Reference<Font> reference;
        EXPECT_GT(std::set<Picture>(reference.free.begin(), reference.free.end()).size(), 1u) << name << " moves";
        const std::vector<Calls<Font>> cases = {
            {"entered, then the run changed",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 run.effect->ChangeParagraph();
             }},
            {"entered, then the run set again",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 run.effect->SetParagraph(&run.run);
             }},
            {"built, entered, then the run changed",
             [](Hosted<Font>& run) {
                 run.effect->Activate();
                 run.effect->MouseEnter();
                 run.effect->ChangeParagraph();
             }},
            {"entered, then a stored record loaded",
             [](Hosted<Font>& run) {
                 run.effect->MouseEnter();
                 run.Load(run.Saved());
             }},
            {"entered, then a record that changes a watched field",
             [](Hosted<Font>& run) {
                 const auto block = run.Saved();
                 auto flipped = block;
                 flipped.useRunColours ^= 1;
                 ASSERT_EQ(S_OK, run.Set(flipped));
                 run.effect->MouseEnter();
                 ASSERT_EQ(S_OK, run.Set(block));
             }},
        };
        ExpectEachToDrawAs(cases, reference.free, name);
    }
};

// The classes that hold or change their motion under the mouse and start it
// over with a changed run.
template <template <class> class Check>
void ForEveryClassWhoseHoverARunChangeEnds() {
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

TEST(Hover, BeginsBeforeABuildThatNoChangeOfTheRunAskedForAndOutlivesIt) {
    ForEveryClassWhoseHoverARunChangeEnds<OutlivesBuilds>();
}

TEST(Hover, EndsWithEveryChangeOfTheRunWhetherBuiltYetOrNot) {
    ForEveryClassWhoseHoverARunChangeEnds<EndsWithARunChange>();
}

}  // namespace
