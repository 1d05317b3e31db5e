#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "effects/Sway/SwayFont.h"
#include "tests/effects/common/FixedPitch.h"

namespace {

using Sway = testsupport::FixedPitch<SwayFont>;
using testsupport::Picture;

// The shift within the amplitude that carries the text columns of a source
// row onto the same output row.
std::optional<int> RowShift(const Picture& source, const Picture& output, int row, int amplitude) {
    for (int shift = -amplitude; shift <= amplitude; ++shift) {
        bool same = true;
        for (int x = 0; x < output.stride && same; ++x) {
            const int from = x - shift;
            const bool text = from >= amplitude && from < source.stride - amplitude;
            same = output.Row(row)[x] == (text ? source.Row(row)[from] : 0);
        }
        if (same) return shift;
    }
    return std::nullopt;
}

// An amplitude of 0 becomes the text height at the first build, in the block
// too, and widens the area; every row then leans by its share of the frame's
// offset, and the mouse slows the sway to 2 a frame and narrows it to a
// quarter.
TEST(Sway, RowsLeanInProportionToTheirHeightWithinTheAmplitude) {
    Sway sway(L"HHH", 24);
    sway.Frames(1);
    const SIZE text = sway.Area();
    const int amplitude = sway->block.amplitude;
    EXPECT_EQ(text.cy, amplitude);
    int width = 0;
    sway->GetWidth(3, &width);
    EXPECT_EQ(width + amplitude, text.cx);
    const Picture source = sway.Surface(0);
    int phase = 8;  // the first frame's
    for (int frame = 0; frame < 40; ++frame) {
        const bool hovered = frame >= 20;
        if (frame == 20) sway->MouseEnter();
        sway.Frames(1);
        phase = (phase + (hovered ? 2 : 8)) % 256;
        const double offset = std::sin(phase * 0.0245436) * amplitude * (hovered ? 0.25 : 1.0);
        const Picture output = sway.Surface(1);
        for (int row = 0; row < source.Rows(); ++row) {
            if (!source.RowHasInk(row)) continue;
            const std::optional<int> shift = RowShift(source, output, row, amplitude);
            ASSERT_TRUE(shift) << "frame " << frame << " row " << row;
            EXPECT_EQ(static_cast<int>(offset * (row + 1) / text.cy), *shift) << "frame " << frame << " row " << row;
        }
    }
}

}  // namespace
