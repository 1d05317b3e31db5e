#include <gtest/gtest.h>

#include "effects/Tears/TearsFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Tears = testsupport::HostedPalette<TearsFont>;

TEST(Tears, ThePulseStandsAtTheBaseWithoutAmplitudeAndWrapsToItsLowByteBeyondThePalette) {
    const Tears tears;  // the module's sine table is made with its first object
    for (int phase = 0; phase < 256; phase += 17) EXPECT_EQ(100, TearsFont::PulseEntry(0, 100, phase));
    // Phase 64 is just below the sine's peak and 192 just above its trough.
    EXPECT_EQ(149, TearsFont::PulseEntry(50, 100, 64)) << "149.99 truncated";
    EXPECT_EQ(50, TearsFont::PulseEntry(50, 100, 192)) << "50.0000001 truncated";
    EXPECT_EQ(299 - 256, TearsFont::PulseEntry(200, 100, 64));
    EXPECT_EQ(256 - 99, TearsFont::PulseEntry(200, 100, 192)) << "-99.99 truncated toward zero, low byte";
}

}  // namespace
