#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <memory>
#include <vector>

#include "effects/Magma/MagmaFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Magma = testsupport::HostedPalette<MagmaFont>;

struct Setting {
    std::int32_t spots;
    BYTE decay;
    bool hovered;
};

// The surfaces of runs with these settings after some frames, all built in
// one second: the spot points come from the clock-seeded generator, so they
// are the same points for all of them.
std::vector<std::vector<BYTE>> Surfaces(std::initializer_list<Setting> settings) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::vector<std::unique_ptr<Magma>> runs;
        const std::time_t before = std::time(nullptr);
        for (const Setting& setting : settings) {
            auto& magma = *runs.emplace_back(std::make_unique<Magma>(L"溶岩"));
            MagmaBlock block = magma.Saved();
            block.spots = setting.spots;
            block.decay = setting.decay;
            magma.Set(block);
            if (setting.hovered) magma.effect->MouseEnter();
            magma.effect->Activate();
        }
        if (std::time(nullptr) != before) continue;
        std::vector<std::vector<BYTE>> surfaces;
        for (auto& magma : runs) {
            magma->Frames(3);
            surfaces.push_back(magma->Surface());
        }
        return surfaces;
    }
    ADD_FAILURE() << "the clock kept ticking over during the builds";
    return {};
}

TEST(Magma, HoveringDoublesTheSpotsAndStopsTheFading) {
    const auto surfaces = Surfaces({{30, 5, true}, {60, 0, false}, {30, 5, false}});
    ASSERT_EQ(3u, surfaces.size());
    EXPECT_EQ(surfaces[1], surfaces[0]);
    EXPECT_NE(surfaces[2], surfaces[0]);
}

// One pass over the 256 points at most; the index moves on by the doubled
// count: 2 * INT_MAX and 2 * 255 both leave it 254 further on.
TEST(Magma, HugeAndNegativeSpotCountsStampEachPointOnceOrNone) {
    const auto surfaces = Surfaces({{INT_MAX, 5, true}, {255, 5, true}, {INT_MIN, 5, true}, {0, 5, true}});
    ASSERT_EQ(4u, surfaces.size());
    EXPECT_EQ(surfaces[1], surfaces[0]);
    EXPECT_EQ(surfaces[3], surfaces[2]);
    EXPECT_NE(surfaces[0], surfaces[2]);
}

}  // namespace
