#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "effects/common/Surfaces.h"
#include "effects/common/TextStamp.h"
#include "tests/support/TestHost.h"
#include "winkit/AnsiText.h"

namespace {

constexpr int kWidth = 160, kHeight = 48;
const std::string kBytes = winkit::ToAnsi(L"Ag雨の文字 |jQ");

// The run's font as a host may give it: turned by an escapement or an
// orientation (in tenths of a degree), or slanted.
struct FontShape {
    LONG escapement = 0;
    LONG orientation = 0;
    BYTE italic = 0;
};

constexpr FontShape Turned(LONG tenths) { return {.escapement = tenths, .orientation = tenths}; }

winkit::Font RunFont(int pixels, FontShape shape = {}) {
    LOGFONTA font;
    const tagPassLOGFONT run = testsupport::TestRun(L"", pixels).font;
    std::memcpy(&font, &run, sizeof font);
    font.lfEscapement = shape.escapement;
    font.lfOrientation = shape.orientation;
    font.lfItalic = shape.italic;
    return winkit::Font(CreateFontIndirectA(&font));
}

// Colours with repeated entries (0 and 1, 100 and 200), as gradients have.
palette::ColourTable Colours(int shift) {
    palette::ColourTable colours{};
    for (int i = 0; i < 256; ++i)
        colours[i] = {static_cast<BYTE>(i + shift), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
    colours[1] = colours[0];
    colours[200] = colours[100];
    return colours;
}

COLORREF ColourOf(const RGBQUAD& q) { return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

// Two 8-bit surfaces of one context with the same random pixels: the first
// drawn by text calls, the second by the stamp.
struct Pair {
    explicit Pair(const palette::ColourTable& colours) { built = surfaces.Build(kWidth, kHeight, 2, colours); }
    void Randomise(std::mt19937& random) {
        const palette::Plane called = surfaces.Pixels(0), stamped = surfaces.Pixels(1);
        for (int i = 0; i < called.stride * called.height; ++i) called.pixels[i] = static_cast<BYTE>(random());
        std::memcpy(stamped.pixels, called.pixels, static_cast<size_t>(called.stride) * called.height);
    }
    bool Same() const {
        const palette::Plane called = surfaces.Pixels(0), stamped = surfaces.Pixels(1);
        return std::memcmp(called.pixels, stamped.pixels, static_cast<size_t>(called.stride) * called.height) == 0;
    }
    winkit::MemoryDC dc;
    palette::Surfaces surfaces{dc};
    bool built = false;
};

// Drawn as the palette effects draw their text, the stamp where it serves
// and the call where it does not, the pixels are those of the text call
// wherever the text stands, beyond each edge too, in colours that are
// entries, repeated entries, or between entries; and again once the
// surface's colours changed. An upright font's text, slanted or not, is
// stamped; a turned font's text lands a pixel apart at some places.
TEST(TextStamp, GivesThePixelsOfTheTextCall) {
    for (const FontShape shape :
         {FontShape{}, FontShape{.italic = 1}, Turned(50), Turned(300), Turned(-50), Turned(3550), Turned(10),
          FontShape{.orientation = 900}, FontShape{.escapement = 900}}) {
        SCOPED_TRACE(testing::Message() << "escapement " << shape.escapement << " orientation " << shape.orientation
                                        << " italic " << +shape.italic);
        Pair pair(Colours(0));
        ASSERT_TRUE(pair.built);
        const winkit::Font font = RunFont(30, shape);
        const HDC dc = pair.dc.get();
        const winkit::Selection selected(dc, font.get());
        std::mt19937 random(5);
        palette::TextStamp stamp;
        int stamped = 0, drawn = 0;
        for (const int shift : {0, 3}) {
            const palette::ColourTable colours = Colours(shift);
            for (int surface = 0; surface < 2; ++surface) {
                pair.surfaces.Select(surface);
                SetDIBColorTable(dc, 0, 256, colours.data());
            }
            for (const COLORREF colour : {ColourOf(colours[0]), ColourOf(colours[1]), ColourOf(colours[200]),
                                          ColourOf(colours[77]), RGB(250, 3, 128), RGB(1, 1, 1)}) {
                for (const POINT at : {POINT{0, kHeight}, POINT{7, 40}, POINT{-40, kHeight + 9},
                                       POINT{kWidth - 30, 20}, POINT{12, 8}, POINT{-3, kHeight * 3}}) {
                    pair.Randomise(random);
                    pair.surfaces.Select(0);
                    SetTextColor(dc, colour);
                    TextOutA(dc, at.x, at.y, kBytes.data(), static_cast<int>(kBytes.size()));
                    GdiFlush();
                    pair.surfaces.Select(1);
                    ++drawn;
                    if (stamp.Draw(dc, kBytes, colour, at))
                        ++stamped;
                    else
                        TextOutA(dc, at.x, at.y, kBytes.data(), static_cast<int>(kBytes.size()));
                    GdiFlush();
                    ASSERT_TRUE(pair.Same()) << "colour " << std::hex << colour << std::dec << " at " << at.x << ","
                                             << at.y << " shift " << shift;
                }
            }
        }
        // Text drawn once is left to its call: it is captured when drawn
        // again. A turned font's text keeps its call, whichever of the two
        // angles turns it: where the context honours the orientation the
        // glyphs turn apart from the line.
        if (shape.escapement == 0 && shape.orientation == 0) {
            EXPECT_EQ(drawn - 1, stamped);
        } else {
            EXPECT_EQ(0, stamped);
        }
    }
}

// Where a stamp could differ from the text call, it draws nothing and the
// caller makes the call: opaque text, a font other than the captured one, a
// surface that is not 8-bit. So it does for the text's first drawing.
TEST(TextStamp, LeavesTheTextCallWhereTheStampCouldDiffer) {
    const palette::ColourTable colours = Colours(0);
    winkit::MemoryDC dc;
    palette::Surfaces surfaces{dc};
    const palette::SurfaceSet set{{palette::SurfaceFormat::Palette8, palette::SurfaceFormat::Rgb24}, {0}};
    ASSERT_TRUE(surfaces.Build(kWidth, kHeight, set, colours));
    const winkit::Font font = RunFont(30), other = RunFont(20);
    const palette::Plane plane = surfaces.Pixels(0);
    const auto blank = [&plane] {
        return std::all_of(plane.pixels, plane.pixels + plane.stride * plane.height, [](BYTE p) { return p == 0; });
    };
    palette::TextStamp stamp;
    {
        const winkit::Selection selected(dc.get(), font.get());
        SetBkMode(dc.get(), OPAQUE);
        EXPECT_FALSE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight}));
        SetBkMode(dc.get(), TRANSPARENT);
        EXPECT_FALSE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight})) << "drawn for the first time";
        EXPECT_TRUE(blank());
        ASSERT_TRUE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight}));
        EXPECT_FALSE(blank());
        surfaces.Clear(0);
        surfaces.Select(1);
        EXPECT_FALSE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight})) << "a 24-bit surface";
        surfaces.Select(0);
    }
    const winkit::Selection selected(dc.get(), other.get());
    EXPECT_FALSE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight})) << "another font";
    EXPECT_TRUE(blank());
    stamp.Clear();
    EXPECT_FALSE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight})) << "drawn for the first time";
    EXPECT_TRUE(stamp.Draw(dc.get(), kBytes, RGB(250, 3, 128), {0, kHeight})) << "captured again after a clear";
}

}  // namespace
