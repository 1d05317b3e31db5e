#include <gtest/gtest.h>

#include <algorithm>

#include "effects/common/Surfaces.h"

namespace {

using palette::SurfaceFormat;
using palette::SurfaceSet;

int BitsPerPixel(HDC dc) {
    BITMAP bitmap{};
    GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
    return bitmap.bmBitsPixel;
}

bool AllZero(std::span<const BYTE> memory) {
    return std::all_of(memory.begin(), memory.end(), [](BYTE p) { return p == 0; });
}

TEST(Surfaces, ServeEightBitTwentyFourBitAndMonochromeSurfacesInSeveralContexts) {
    winkit::MemoryDC own;
    palette::ColourTable colours{};
    colours[3] = {30, 20, 10, 0};
    palette::Surfaces surfaces(own);
    ASSERT_TRUE(surfaces.Build(12, 5, SurfaceSet{{SurfaceFormat::Palette8, SurfaceFormat::Rgb24, SurfaceFormat::Mono},
                                                 {1, 0, 2}},
                               colours));
    ASSERT_EQ(own.get(), surfaces.Context(0)) << "the effect's own context";
    EXPECT_EQ(24, BitsPerPixel(surfaces.Context(0)));
    EXPECT_EQ(8, BitsPerPixel(surfaces.Context(1)));
    EXPECT_EQ(1, BitsPerPixel(surfaces.Context(2)));
    RGBQUAD entry{};
    ASSERT_EQ(1u, GetDIBColorTable(surfaces.Context(1), 3, 1, &entry));
    EXPECT_EQ(30, entry.rgbBlue);
    EXPECT_EQ(10, entry.rgbRed);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(TA_BOTTOM, GetTextAlign(surfaces.Context(c)) & TA_BOTTOM) << "context " << c;
        EXPECT_EQ(TRANSPARENT, GetBkMode(surfaces.Context(c))) << "context " << c;
    }
    EXPECT_EQ(12u * 5, surfaces.Memory(0).size());
    EXPECT_EQ(3u * 12 * 5, surfaces.Memory(1).size());
    EXPECT_EQ(36, surfaces.Pixels(1).stride);
    EXPECT_TRUE(surfaces.Memory(2).empty()) << "a monochrome bitmap has no pixel memory to reach";
    EXPECT_TRUE(AllZero(surfaces.Memory(0)));
    EXPECT_TRUE(AllZero(surfaces.Memory(1)));

    PatBlt(surfaces.Context(0), 0, 0, 12, 5, WHITENESS);
    surfaces.Clear(1);
    EXPECT_TRUE(AllZero(surfaces.Memory(1))) << "cleared after the pending drawing";

    HGDIOBJ made[3];
    HDC contexts[3];
    for (int c = 0; c < 3; ++c) {
        contexts[c] = surfaces.Context(c);
        made[c] = GetCurrentObject(contexts[c], OBJ_BITMAP);
    }
    surfaces.Release();
    EXPECT_FALSE(own);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(nullptr, surfaces.Context(c));
        EXPECT_EQ(0u, GetObjectType(made[c])) << "surface " << c << " deleted";
        EXPECT_EQ(0u, GetObjectType(contexts[c])) << "context " << c << " deleted";
    }
}

TEST(Surfaces, RefuseSetsWhereContextsShareOrMissTheirSurfaces) {
    winkit::MemoryDC own;
    palette::Surfaces surfaces(own);
    const palette::ColourTable colours{};
    for (const SurfaceSet& set : {SurfaceSet(0), SurfaceSet(5), SurfaceSet{{SurfaceFormat::Rgb24}, {0, 0}},
                                  SurfaceSet{{SurfaceFormat::Rgb24}, {1}}, SurfaceSet{{SurfaceFormat::Rgb24}, {}}}) {
        EXPECT_FALSE(surfaces.Build(8, 4, set, colours));
        EXPECT_FALSE(own);
    }
}

}  // namespace
