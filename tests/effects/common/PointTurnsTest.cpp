#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "effects/common/PointTurns.h"

namespace {

std::vector<int> Visits(int index, std::int64_t count, int cycle, int* next) {
    std::vector<int> seen;
    *next = palette::VisitInTurn(index, count, cycle, [&](int i) { seen.push_back(i); });
    return seen;
}

TEST(VisitInTurn, WrapsAroundTheCycleAndVisitsEachIndexAtMostOncePerCall) {
    int next = 0;
    EXPECT_EQ((std::vector<int>{254, 255, 0}), Visits(254, 3, 256, &next));
    EXPECT_EQ(1, next);
    EXPECT_EQ((std::vector<int>{4094}), Visits(4094, 1, 4095, &next));
    EXPECT_EQ(0, next) << "a cycle shorter than the table";

    // Counts of any size: one pass, and the index moves on by the whole count.
    EXPECT_EQ(256u, Visits(7, INT_MAX, 256, &next).size());
    EXPECT_EQ((7 + INT_MAX % 256) % 256, next);
    for (std::int64_t none : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{INT_MIN}}) {
        EXPECT_TRUE(Visits(9, none, 256, &next).empty());
        EXPECT_EQ(9, next);
    }
}

}  // namespace
