#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "effects/common/GlyphStamps.h"
#include "effects/common/Surfaces.h"
#include "tests/support/TestHost.h"

namespace {

constexpr int kWidth = 120, kHeight = 60;
constexpr UINT kAlignment = TA_CENTER | TA_BOTTOM;
// Letters of a proportional face, kana and kanji, a surrogate pair drawn
// half by half, a space.
const std::wstring kUnits = L"Ag雨の\xD83D\xDE00 |";

// Two surfaces of the same colours: the first drawn by text calls through
// its context, the second by stamps.
struct Pair {
    Pair() {
        for (int i = 0; i < 256; ++i) colours[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        colours[255] = {40, 250, 250, 0};
        built = surfaces.Build(kWidth, kHeight, 2, colours);
    }
    palette::Plane Called() const { return surfaces.Pixels(0); }
    palette::Plane Stamped() const { return surfaces.Pixels(1); }
    void Clear() {
        surfaces.Clear(0);
        surfaces.Clear(1);
    }
    palette::ColourTable colours{};
    winkit::MemoryDC dc;
    palette::Surfaces surfaces{dc};
    bool built = false;
};

winkit::Font Turned(int escapement) {
    LOGFONTA font;
    const tagPassLOGFONT run = testsupport::TestRun(L"", 30).font;
    std::memcpy(&font, &run, sizeof font);
    font.lfEscapement = escapement;
    return winkit::Font(CreateFontIndirectA(&font));
}

// Every character's stamp puts down the pixels of its text call, for turned
// fonts of several escapements and characters placed all over the surface
// and beyond each of its edges, so that the calls are clipped.
TEST(GlyphStamps, PutDownThePixelsOfTheirTextCalls) {
    Pair pair;
    ASSERT_TRUE(pair.built);
    const COLORREF colour = RGB(250, 250, 40);
    const size_t bytes = static_cast<size_t>(kWidth) * kHeight;
    std::wstring units;
    std::vector<POINT> references;
    for (int y = -12; y <= kHeight + 30; y += 6)
        for (int x = -20; x <= kWidth + 20; x += 9) {
            units += kUnits[references.size() % kUnits.size()];
            references.push_back({x, y});
        }
    for (const int escapement : {0, 300, -300, 900, 2700, -1350}) {
        const winkit::Font font = Turned(escapement);
        palette::GlyphStamps stamps;
        stamps.Reset(1, {units, references, kWidth, kHeight, 100});
        ASSERT_TRUE(stamps.Capture(0, {font.get(), colour, kAlignment, pair.colours}));
        ASSERT_TRUE(stamps.Captured(0));
        const HDC dc = pair.surfaces.Context(0);
        const winkit::Selection selected(dc, font.get());
        SetTextAlign(dc, kAlignment);
        SetTextColor(dc, colour);
        for (int i = 0; i < static_cast<int>(units.size()); ++i) {
            pair.Clear();
            palette::RowRange rows;
            ASSERT_TRUE(stamps.Stamp(0, i, pair.Stamped(), rows));
            TextOutW(dc, references[i].x, references[i].y, &units[i], 1);
            GdiFlush();
            ASSERT_EQ(0, std::memcmp(pair.Called().pixels, pair.Stamped().pixels, bytes))
                << "escapement " << escapement << " at " << references[i].x << "," << references[i].y;
            for (int row = 0; row < kHeight; ++row) {
                const BYTE* pixels = pair.Stamped().pixels + static_cast<size_t>(row) * kWidth;
                if (std::any_of(pixels, pixels + kWidth, [](BYTE p) { return p != 0; })) {
                    ASSERT_TRUE(row >= rows.first && row <= rows.last) << "row " << row << " reported";
                }
            }
        }
    }
}

// An upright font's stamps moved anywhere, past each edge too, put down the
// pixels of the text call at the moved place; a glyph whose capture touched
// an edge has no moved stamp.
TEST(GlyphStamps, MovedStampsOfAnUprightFontPutDownThePixelsOfTheirMovedTextCalls) {
    Pair pair;
    ASSERT_TRUE(pair.built);
    const COLORREF colour = RGB(250, 250, 40);
    const UINT alignment = TA_LEFT | TA_BOTTOM;
    const size_t bytes = static_cast<size_t>(kWidth) * kHeight;
    const winkit::Font font = Turned(0);
    std::vector<POINT> references;
    for (size_t i = 0; i < kUnits.size(); ++i) references.push_back({static_cast<LONG>(10 + 12 * i), 45});
    references.back() = {2, kHeight + 6};  // the bottom edge cuts its glyph
    palette::GlyphStamps stamps;
    stamps.Reset(1, {kUnits, references, kWidth, kHeight, 100});
    ASSERT_TRUE(stamps.Capture(0, {font.get(), colour, alignment, pair.colours}));
    const HDC dc = pair.surfaces.Context(0);
    const winkit::Selection selected(dc, font.get());
    SetTextAlign(dc, alignment);
    SetTextColor(dc, colour);
    for (int i = 0; i + 1 < static_cast<int>(kUnits.size()); ++i) {
        for (const POINT offset : {POINT{0, 0}, POINT{-30, 0}, POINT{100, -7}, POINT{3, 20}, POINT{-5, -40}}) {
            pair.Clear();
            palette::RowRange rows;
            ASSERT_TRUE(stamps.StampMoved(0, i, offset, pair.Stamped(), rows));
            TextOutW(dc, references[i].x + offset.x, references[i].y + offset.y, &kUnits[i], 1);
            GdiFlush();
            ASSERT_EQ(0, std::memcmp(pair.Called().pixels, pair.Stamped().pixels, bytes))
                << "unit " << i << " moved " << offset.x << "," << offset.y;
        }
    }
    palette::RowRange rows;
    EXPECT_FALSE(stamps.StampMoved(0, static_cast<int>(kUnits.size()) - 1, {5, -5}, pair.Stamped(), rows));
    EXPECT_TRUE(stamps.Stamp(0, static_cast<int>(kUnits.size()) - 1, pair.Stamped(), rows)) << "where it was captured";
}

// Glyphs reaching past the parts of the scratch surface looked at leave ink
// behind: none of that escapement's glyphs has a stamp. Where they do not,
// a character without ink has a stamp that sets nothing.
TEST(GlyphStamps, GlyphsReachingPastWhatIsLookedAtLeaveTheirEscapementWithoutStamps) {
    Pair pair;
    ASSERT_TRUE(pair.built);
    const winkit::Font font = Turned(0);
    const POINT references[] = {{40, 50}, {40, 50}, {80, 50}};
    palette::GlyphStamps stamps;
    stamps.Reset(2, {L"雨 A", references, kWidth, kHeight, 4});
    EXPECT_FALSE(stamps.Captured(1));
    ASSERT_TRUE(stamps.Capture(1, {font.get(), RGB(250, 250, 40), kAlignment, pair.colours}));
    EXPECT_FALSE(stamps.Captured(0));
    palette::RowRange rows;
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(stamps.Stamp(1, i, pair.Stamped(), rows)) << i;

    stamps.Reset(1, {L" ", references, kWidth, kHeight, 4});
    ASSERT_TRUE(stamps.Capture(0, {font.get(), RGB(250, 250, 40), kAlignment, pair.colours}));
    EXPECT_TRUE(stamps.Stamp(0, 0, pair.Stamped(), rows));
    EXPECT_LT(rows.last, rows.first) << "no rows";
    const palette::Plane stamped = pair.Stamped();
    EXPECT_TRUE(std::all_of(stamped.pixels, stamped.pixels + kWidth * kHeight, [](BYTE p) { return p == 0; }));
}

}  // namespace
