#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "effects/Blood/BloodFont.h"
#include "tests/effects/common/HostedPalette.h"

namespace {

using Blood = testsupport::HostedPalette<BloodFont>;

COLORREF Colour(const palette::KeyColour& key) { return RGB(key.red, key.green, key.blue); }

// The blood colour as a build puts it on the last two keys in use.
COLORREF BuiltBlood(Blood& blood) {
    blood.Frames(1);
    const BloodBlock built = blood.Saved();
    EXPECT_EQ(Colour(built.head.keys[1]), Colour(built.head.keys[2]));
    EXPECT_EQ(160, built.head.positions[1]);
    return Colour(built.head.keys[2]);
}

TEST(Blood, TheBloodTakesTheColourOfTheLastKeyInUse) {
    Blood fresh;
    EXPECT_EQ(RGB(255, 0, 0), BuiltBlood(fresh));

    Blood loaded;
    BloodBlock block = loaded.Saved();
    block.head.keys[2] = {255, 0, 0, 0};
    loaded.Load(block);
    EXPECT_EQ(RGB(0, 0, 255), BuiltBlood(loaded)) << "blue blood from a stored block";

    // A count beyond the nine slots reads the ninth.
    block.head.count = 200;
    block.head.keys[8] = {0, 255, 0, 0};
    loaded.Load(block);
    EXPECT_EQ(RGB(0, 255, 0), BuiltBlood(loaded));

    // An edited record whose last key differs: its keys and its blood.
    Blood edited;
    edited.effect->Activate();
    BloodBlock record = edited.Saved();
    record.head.keys[2] = {0, 128, 255, 0};
    ASSERT_EQ(S_OK, edited.Set(record));
    EXPECT_EQ(RGB(255, 128, 0), Colour(edited.Saved().head.keys[2]));
}

TEST(Blood, DropsFallOnlyWhileTheMouseIsInside) {
    Blood blood(L"                ");  // blanks: only drops show
    blood.Frames(5);
    std::vector<BYTE> pixels = blood.Surface();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](BYTE p) { return p == 0; }));

    blood.effect->MouseEnter();
    blood.Frames(1);
    pixels = blood.Surface();
    EXPECT_GT(pixels.size() - std::count(pixels.begin(), pixels.end(), 0), 150u) << "150 drops";

    blood.effect->MouseLeave();
    blood.Frames(60);
    pixels = blood.Surface();
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](BYTE p) { return p == 0; })) << "drained";
}

}  // namespace
