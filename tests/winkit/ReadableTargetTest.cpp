#include <gtest/gtest.h>

#include <windows.h>

#include <span>

#include "winkit/GdiHandles.h"
#include "winkit/ReadableTarget.h"

namespace {

// 60 x 45 logical units play back onto 100 x 60 pixels.
constexpr int kPixelsAcross = 100;

COLORREF At(std::span<const BYTE> picture, int x, int y) {
    const BYTE* pixel = picture.data() + (y * kPixelsAcross + x) * 4;
    return RGB(pixel[2], pixel[1], pixel[0]);
}

// A metafile target plays its recording back 5:3 across and 4:3 down, and
// recording goes on after a read: a later read shows all that was drawn.
TEST(ReadableTarget, AMetafileShowsAllThatWasRecordedAtEveryRead) {
    constexpr COLORREF kPaper = RGB(1, 2, 3), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    const winkit::ReadableTarget target(60, 45, winkit::TargetKind::Metafile, kPaper);
    ASSERT_TRUE(target);
    const winkit::Brush red(CreateSolidBrush(kRed)), blue(CreateSolidBrush(kBlue));
    const RECT topLeft{0, 0, 30, 30}, right{30, 0, 60, 45};
    FillRect(target.dc(), &topLeft, red.get());
    const std::span<const BYTE> first = target.Pixels();
    ASSERT_EQ(std::size_t{kPixelsAcross * 60 * 4}, first.size());
    EXPECT_EQ(kRed, At(first, 47, 37));
    EXPECT_EQ(kPaper, At(first, 53, 37));
    EXPECT_EQ(kPaper, At(first, 47, 43));

    ASSERT_TRUE(target);
    FillRect(target.dc(), &right, blue.get());
    const std::span<const BYTE> second = target.Pixels();
    EXPECT_EQ(kRed, At(second, 47, 37));
    EXPECT_EQ(kBlue, At(second, 53, 37));
    EXPECT_EQ(kBlue, At(second, 99, 59));
    EXPECT_EQ(kPaper, At(second, 47, 43));
    EXPECT_EQ(kPaper, At(second, 0, 59));
}

}  // namespace
