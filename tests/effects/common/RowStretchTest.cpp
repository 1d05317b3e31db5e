#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "effects/common/RowStretch.h"

namespace {

using palette::TopRow;

// The source row each output row of a surface `height` rows high receives (-1: none).
std::vector<int> Mapped(int rows, TopRow top, double factor, int height) {
    std::vector<int> output(height, -1);
    palette::StretchRows(rows, top, factor, height, [&](int source, int first, int last) {
        for (int k = first; k <= last; ++k) output.at(k) = source;
    });
    return output;
}

TEST(RowStretch, RowsLandOnTheirStretchedPlacesAndFillTheRowsBetween) {
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, -1, -1}), Mapped(5, TopRow::Skipped, 1.0, 6));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, -1}), Mapped(5, TopRow::Stretched, 1.0, 6));
    // Just below 2: row 0 alone, then every row twice.
    EXPECT_EQ((std::vector<int>{0, 1, 1, 2, 2, 3, 3, -1}), Mapped(5, TopRow::Skipped, 1.99, 8));
    EXPECT_EQ((std::vector<int>{0, 0, 1, 1, 1, 2, 2}), Mapped(3, TopRow::Stretched, 2.5, 7));
    // Rows stretched past the top all end on the top row, the last one standing.
    EXPECT_EQ((std::vector<int>{0, 0, 0, 1, 1, 3}), Mapped(4, TopRow::Stretched, 3.0, 6));
}

TEST(RowStretch, NoFactorMapsARowOutsideTheSurface) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (double factor : {0.5, 0.0, -3.0, nan, 1e300, infinity, -infinity}) {
        std::vector<int> output;
        EXPECT_NO_THROW(output = Mapped(10, TopRow::Stretched, factor, 12)) << factor;
        EXPECT_EQ(0, output.at(0)) << factor;
    }
    EXPECT_EQ(Mapped(10, TopRow::Stretched, 1.0, 12), Mapped(10, TopRow::Stretched, nan, 12));
    // However large the factor, every row ends on the top row, the last one standing.
    std::vector<int> top(200, 0);
    top.back() = 9;
    EXPECT_EQ(top, Mapped(10, TopRow::Stretched, 1e300, 200));
    EXPECT_EQ(top, Mapped(10, TopRow::Stretched, infinity, 200));

    EXPECT_EQ(60, palette::StretchedHeight(30, 2.0));
    EXPECT_EQ(37, palette::StretchedHeight(25, 1.5));
    EXPECT_EQ(780, palette::StretchedHeight(39, 20.0));
    for (double maximum : {0.5, -1.0, nan}) EXPECT_EQ(25, palette::StretchedHeight(25, maximum)) << maximum;
    // Heights beyond any surface stay beyond it, in 64 bits.
    EXPECT_GT(palette::StretchedHeight(25, 1e300), 1LL << 40);
    EXPECT_GT(palette::StretchedHeight(25, infinity), 1LL << 40);
    EXPECT_GT(palette::StretchedHeight(0, infinity), 1LL << 40) << "an empty cell stretched without end";
}

}  // namespace
