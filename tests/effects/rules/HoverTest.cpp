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

template <class Font>
std::vector<COLORREF> Shown(const Hosted<Font>& hosted) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < hosted.canvas.height(); ++y)
        for (int x = 0; x < hosted.canvas.width(); ++x) pixels.push_back(hosted.canvas.Pixel(x, y));
    return pixels;
}

// A run the mouse entered before its surfaces were rebuilt draws, from the
// rebuild on, exactly what a twin that the mouse never entered draws: the
// motion that the mouse held or changed runs again.
template <class Font>
void ExpectARebuildToEndTheHover(const char* name) {
    Hosted<Font> entered(L"HHHH", 30), twin(L"HHHH", 30);
    entered.Frames(1);
    twin.Frames(1);
    entered.effect->MouseEnter();
    entered.effect->ChangeParagraph();
    twin.effect->ChangeParagraph();
    std::set<std::vector<COLORREF>> pictures;
    for (int frame = 0; frame < 8; ++frame) {
        // The jumping letters draw the same numbers in both.
        palette::ModuleRandom().Seed(frame);
        entered.Frames(1);
        palette::ModuleRandom().Seed(frame);
        twin.Frames(1);
        const std::vector<COLORREF> shown = Shown(entered);
        EXPECT_EQ(Shown(twin), shown) << name << ", frame " << frame;
        pictures.insert(shown);
    }
    EXPECT_GT(pictures.size(), 1u) << name << " moves";
}

TEST(Hover, ARebuildEndsItInEveryClassThatHoldsOrChangesItsMotionUnderTheMouse) {
    ExpectARebuildToEndTheHover<SwayFont>("Sway");
    ExpectARebuildToEndTheHover<SingingFont>("Singing");
    ExpectARebuildToEndTheHover<LankyFont>("Lanky");
    ExpectARebuildToEndTheHover<StiltrippleFont>("Stiltripple");
    ExpectARebuildToEndTheHover<StiltmaxFont>("Stiltmax");
    ExpectARebuildToEndTheHover<TumblarFont>("Tumblar");
    ExpectARebuildToEndTheHover<TumblarMaxFont>("TumblarMax");
    ExpectARebuildToEndTheHover<SpinnetMaxFont>("SpinnetMax");
    ExpectARebuildToEndTheHover<NaughtyFont>("Naughty");
}

}  // namespace
