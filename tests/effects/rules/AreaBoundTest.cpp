#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "comkit/ComPtr.h"
#include "effects/Lanky/LankyFont.h"
#include "effects/Shiver/ShiverFont.h"
#include "effects/static/StaticFont.h"
#include "tests/effects/common/HostedPalette.h"
#include "textrun/FontManager.h"

namespace {

constexpr long long kLargestSurfaceBytes = 64LL << 20;

using Size = std::pair<long, long>;

Size PlainExtent(testsupport::TestRun& run) {
    textrun::FontManager fonts;
    comkit::ComPtr<IViviFont> plain(new StaticFont);
    testsupport::Bind(plain.get(), &fonts, &run);
    SIZE extent{};
    plain->GetDrawingArea(&extent);
    return {extent.cx, extent.cy};
}

template <class Font>
Size Area(const testsupport::HostedPalette<Font>& hosted) {
    SIZE area{};
    hosted.effect->GetDrawingArea(&area);
    return {area.cx, area.cy};
}

template <class Font>
bool Builds(testsupport::HostedPalette<Font>& hosted) {
    hosted.effect->Deactivate();
    hosted.effect->Activate();
    char activated = 0;
    hosted.effect->IsActivated(&activated);
    // A frame builds again when there is nothing; a refused area stays refused.
    if (!activated && hosted.effect->DrawTextFace(hosted.canvas.dc(), {0, 0}) == S_OK)
        hosted.effect->IsActivated(&activated);
    hosted.effect->Deactivate();
    return activated != 0;
}

using Lanky = testsupport::HostedPalette<LankyFont>;
using Shiver = testsupport::HostedPalette<ShiverFont>;

// A stored stretch whose area is exactly `rows` high.
void LoadStretchTo(Lanky& lanky, long cy, long long rows) {
    palette::StiltBlock block = lanky.Saved();
    block.maximumStretch = (rows + 0.5) / cy;
    lanky.Load(block);
}

// Areas up to 32,767 pixels a side whose surfaces take up to 64 MB are built
// as the block asks; one pixel more is refused at the build, reported as the
// text's own extent with no margin in the widths, and the block keeps its bytes.
TEST(AreaBound, AnAreaOrSurfaceOnePixelPastTheBoundIsRefusedAndReportedAsTheText) {
    Lanky tall(L"HHHH", 40);
    const Size text = PlainExtent(tall.run);
    LoadStretchTo(tall, text.second, 32767);
    EXPECT_EQ(Size(text.first, 32767), Area(tall));
    EXPECT_TRUE(Builds(tall));
    LoadStretchTo(tall, text.second, 32768);
    const double stored = tall.Saved().maximumStretch;
    EXPECT_EQ(text, Area(tall));
    EXPECT_FALSE(Builds(tall));
    EXPECT_EQ(0, std::memcmp(&stored, &tall.effect->block.maximumStretch, sizeof stored));

    // A wide text: its surfaces reach 64 MB before a side reaches the bound.
    Lanky wide(std::wstring(150, L'H'), 40);
    const Size wideText = PlainExtent(wide.run);
    const long long stride = palette::StrideFor(wideText.first);
    const long long rows = kLargestSurfaceBytes / stride;
    ASSERT_LT(rows, 32767);
    LoadStretchTo(wide, wideText.second, rows);
    EXPECT_EQ(rows, Area(wide).second);
    EXPECT_TRUE(Builds(wide));
    LoadStretchTo(wide, wideText.second, rows + 1);
    EXPECT_EQ(wideText, Area(wide));
    EXPECT_FALSE(Builds(wide));

    // Across, with the margins the widths carry.
    Shiver shiver(L"Shiver", 30);
    const Size shiverText = PlainExtent(shiver.run);
    int plainWidth = 0;
    ShiverBlock block = shiver.Saved();
    block.horizontalMargin = (32767 - shiverText.first) / 2;
    ASSERT_EQ(S_OK, shiver.Set(block));
    const Size widest = Area(shiver);
    EXPECT_GE(widest.first, 32766);
    EXPECT_EQ(Size(shiverText.first + 2 * block.horizontalMargin, shiverText.second + 10), widest);
    EXPECT_TRUE(Builds(shiver));
    int width = 0;
    shiver.effect->GetWidth(1, &width);
    block.horizontalMargin += 1;
    ASSERT_EQ(S_OK, shiver.Set(block));
    EXPECT_EQ(shiverText, Area(shiver));
    EXPECT_FALSE(Builds(shiver));
    shiver.effect->GetWidth(1, &plainWidth);
    EXPECT_EQ(width - (block.horizontalMargin - 1), plainWidth);
    EXPECT_EQ(block.horizontalMargin, shiver.Saved().horizontalMargin);
}

}  // namespace
