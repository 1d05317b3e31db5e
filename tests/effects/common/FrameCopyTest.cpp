#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "effects/common/FrameCopy.h"
#include "effects/common/Surfaces.h"
#include "winkit/ReadableTarget.h"

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

// On every kind of target a host may lend, the frame has the pixels of one
// copy of the whole: cut into strips, with the rows outside the drawn band
// filled or not, from a first row below the top. Entry 0 is a light grey,
// which a fill and a copy to a monochrome bitmap turn apart. The host's brush,
// brush colour and raster operation stay as they were.
TEST(FrameCopy, GivesThePixelsOfOneCopyOnEveryTarget) {
    constexpr int kWidth = 700, kHeight = 300, kTop = 2, kRows = kHeight - kTop;
    static_assert(palette::StripRows(kWidth) * 2 < kRows, "several strips and a short last one");
    PatternSurface source(kWidth, kHeight);
    ASSERT_NE(nullptr, source.surfaces.Context(0));
    const RGBQUAD grey{200, 200, 200, 0};
    SetDIBColorTable(source.surfaces.Context(0), 0, 1, &grey);
    const palette::Plane plane = source.surfaces.Pixels(0);
    // Each band lies within the one before.
    for (const palette::DrawnBand band :
         {palette::DrawnBand{0, kRows}, palette::DrawnBand{150, 220}, palette::DrawnBand{0, 0}}) {
        // Rows of the area outside the band hold entry 0 alone (memory rows run bottom up).
        for (int row = 0; row < kRows; ++row)
            if (row < band.from || row >= band.to)
                std::memset(plane.pixels + (kHeight - 1 - kTop - row) * plane.stride, 0, plane.stride);
        for (const winkit::TargetKind kind : winkit::kEveryTargetKind) {
            SCOPED_TRACE(testing::Message() << "target " << static_cast<int>(kind) << ", rows " << band.from << " to "
                                            << band.to);
            winkit::ReadableTarget whole(kWidth + 10, kHeight, kind, RGB(1, 2, 3));
            winkit::ReadableTarget frame(kWidth + 10, kHeight, kind, RGB(1, 2, 3));
            ASSERT_TRUE(whole && frame);
            BitBlt(whole.dc(), 5, 1, kWidth, kRows, source.surfaces.Context(0), 0, kTop, SRCCOPY);
            const winkit::Brush own(CreateSolidBrush(RGB(200, 10, 10)));
            const HGDIOBJ previous = SelectObject(frame.dc(), own.get());
            SetROP2(frame.dc(), R2_XORPEN);
            SetDCBrushColor(frame.dc(), RGB(7, 8, 9));
            palette::CopyFrame(frame.dc(), {5, 1}, kWidth, kRows, source.surfaces.Context(0), kTop, band);
            EXPECT_EQ(own.get(), GetCurrentObject(frame.dc(), OBJ_BRUSH));
            EXPECT_EQ(RGB(7, 8, 9), GetDCBrushColor(frame.dc()));
            EXPECT_EQ(R2_XORPEN, GetROP2(frame.dc()));
            SelectObject(frame.dc(), previous);
            const std::span<const BYTE> a = whole.Pixels(), b = frame.Pixels();
            ASSERT_EQ(a.size(), b.size());
            EXPECT_EQ(0, std::memcmp(a.data(), b.data(), a.size()));
        }
    }
}

}  // namespace
