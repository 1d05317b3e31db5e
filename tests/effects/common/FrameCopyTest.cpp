#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "effects/common/FrameCopy.h"
#include "effects/common/Surfaces.h"
#include "winkit/DibTarget.h"

namespace {

// An 8-bit surface of many rows with a pattern in every row and a colour
// table that the 8-bit target's table does not hold exactly.
struct PatternSurface {
    PatternSurface(int width, int height) {
        for (int i = 0; i < 256; ++i)
            colours[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 7 + 13), 0};
        if (!surfaces.Build(width, height, 1, colours)) return;
        const palette::Plane plane = surfaces.Pixels(0);
        for (int row = 0; row < plane.height; ++row)
            for (int x = 0; x < plane.stride; ++x)
                plane.pixels[row * plane.stride + x] = static_cast<BYTE>(row * 3 + x);
    }
    palette::ColourTable colours{};
    winkit::MemoryDC dc;
    palette::Surfaces surfaces{dc};
};

TEST(FrameCopy, StripsStayWithinTheBufferSizeAndNeverVanish) {
    EXPECT_LE(palette::StripRows(700) * 700 * 4, palette::kStripBytes);
    EXPECT_GT((palette::StripRows(700) + 1) * 700 * 4, palette::kStripBytes);
    EXPECT_EQ(1, palette::StripRows(1 << 20));
}

// Strip by strip, the pixels of one copy of the whole, on targets of 8 and
// 32 bits, from a first row below the top.
TEST(FrameCopy, StripsGiveThePixelsOfOneCopy) {
    constexpr int kWidth = 700, kHeight = 300, kTop = 2;
    static_assert(palette::StripRows(kWidth) * 2 < kHeight - kTop, "several strips and a short last one");
    PatternSurface source(kWidth, kHeight);
    ASSERT_NE(nullptr, source.surfaces.Context(0));
    for (const int bits : {8, 32}) {
        winkit::DibTarget whole(kWidth + 10, kHeight, bits, RGB(1, 2, 3));
        winkit::DibTarget strips(kWidth + 10, kHeight, bits, RGB(1, 2, 3));
        BitBlt(whole.dc(), 5, 1, kWidth, kHeight - kTop, source.surfaces.Context(0), 0, kTop, SRCCOPY);
        palette::CopyInStrips(strips.dc(), {5, 1}, kWidth, kHeight - kTop, source.surfaces.Context(0), kTop);
        const std::span<const BYTE> a = whole.Pixels(), b = strips.Pixels();
        ASSERT_EQ(a.size(), b.size());
        EXPECT_EQ(0, std::memcmp(a.data(), b.data(), a.size())) << bits << " bits";
    }
}

// The fill gives the pixels a copy of entry 0 gives, on a palette target
// (whose table lacks the colour) and a true-colour one, whatever raster
// operation and brush the host left selected; both stay as they were.
TEST(FrameCopy, AFillGivesThePixelsOfACopiedEntryZero) {
    constexpr int kWidth = 64, kHeight = 20;
    PatternSurface source(kWidth, kHeight);
    const palette::Plane plane = source.surfaces.Pixels(0);
    std::memset(plane.pixels, 0, static_cast<size_t>(plane.stride) * plane.height);
    const COLORREF entry0 = RGB(source.colours[0].rgbRed, source.colours[0].rgbGreen, source.colours[0].rgbBlue);
    for (const int bits : {8, 32}) {
        winkit::DibTarget copied(kWidth + 10, kHeight + 4, bits, RGB(1, 2, 3));
        winkit::DibTarget filled(kWidth + 10, kHeight + 4, bits, RGB(1, 2, 3));
        BitBlt(copied.dc(), 5, 2, kWidth, kHeight, source.surfaces.Context(0), 0, 0, SRCCOPY);
        const winkit::Brush own(CreateSolidBrush(RGB(200, 10, 10)));
        const HGDIOBJ previous = SelectObject(filled.dc(), own.get());
        SetROP2(filled.dc(), R2_XORPEN);
        SetDCBrushColor(filled.dc(), RGB(7, 8, 9));
        palette::FillAsCopied(filled.dc(), {5, 2}, kWidth, kHeight, entry0);
        EXPECT_EQ(own.get(), GetCurrentObject(filled.dc(), OBJ_BRUSH));
        EXPECT_EQ(RGB(7, 8, 9), GetDCBrushColor(filled.dc()));
        EXPECT_EQ(R2_XORPEN, GetROP2(filled.dc()));
        SelectObject(filled.dc(), previous);
        const std::span<const BYTE> a = copied.Pixels(), b = filled.Pixels();
        EXPECT_EQ(0, std::memcmp(a.data(), b.data(), a.size())) << bits << " bits";
    }
}

}  // namespace
