#include <gtest/gtest.h>

#include <cstring>

#include "effects/common/GlowColour.h"
#include "effects/common/PaletteKeys.h"

namespace {

using palette::ColourTable;
using palette::PaletteKeyHead;

// A head whose keys are grey levels at positions.
PaletteKeyHead Greys(std::initializer_list<std::pair<BYTE, BYTE>> keys) {
    PaletteKeyHead head{};
    int slot = 0;
    for (const auto& [position, level] : keys) {
        head.keys[slot] = {level, level, level, 0};
        head.positions[slot++] = position;
    }
    head.count = static_cast<BYTE>(slot);
    return head;
}

ColourTable Marked(BYTE mark) {
    ColourTable table;
    for (RGBQUAD& entry : table) entry = {mark, mark, mark, mark};
    return table;
}

TEST(GradientPalette, RisesBetweenKeysWithTruncatedSteps) {
    ColourTable table = Marked(77);
    palette::BuildGradientPalette(Greys({{0, 0}, {1, 0}, {254, 255}, {255, 255}}), table);
    const struct {
        int entry;
        BYTE level;
    } expected[] = {{0, 0}, {1, 0}, {2, 1}, {127, 126}, {128, 128}, {253, 253}, {254, 255}, {255, 255}};
    for (const auto& e : expected) {
        EXPECT_EQ(e.level, table[e.entry].rgbBlue) << e.entry;
        EXPECT_EQ(e.level, table[e.entry].rgbRed) << e.entry;
        EXPECT_EQ(0, table[e.entry].rgbReserved) << e.entry;
    }
}

TEST(GradientPalette, ChannelsStepSeparatelyAndDescendTowardZero) {
    PaletteKeyHead head{};
    head.count = 2;
    head.keys[0] = {255, 0, 10, 0};  // blue, green, red
    head.keys[1] = {0, 200, 10, 0};
    head.positions[0] = 10;
    head.positions[1] = 12;
    ColourTable table = Marked(1);
    palette::BuildGradientPalette(head, table);
    EXPECT_EQ(255, table[10].rgbBlue);
    EXPECT_EQ(128, table[11].rgbBlue);
    EXPECT_EQ(0, table[12].rgbBlue);
    EXPECT_EQ(100, table[11].rgbGreen);
    EXPECT_EQ(10, table[11].rgbRed);
    EXPECT_EQ(1, table[9].rgbBlue) << "outside every segment";
    EXPECT_EQ(1, table[13].rgbBlue);
}

TEST(GradientPalette, TheNextSegmentOverwritesASharedEntry) {
    // 7 * (61 / 7) truncates to 60: the last entry of a lone segment falls short.
    ColourTable table = Marked(0);
    palette::BuildGradientPalette(Greys({{0, 0}, {7, 61}}), table);
    EXPECT_EQ(60, table[7].rgbGreen);
    palette::BuildGradientPalette(Greys({{0, 0}, {7, 61}, {9, 61}}), table);
    EXPECT_EQ(61, table[7].rgbGreen);
}

TEST(GradientPalette, EqualAndDescendingPositions) {
    ColourTable table = Marked(9);
    palette::BuildGradientPalette(Greys({{0, 0}, {1, 50}, {1, 150}, {3, 250}}), table);
    EXPECT_EQ(150, table[1].rgbRed) << "the later key's colour, no division";
    EXPECT_EQ(200, table[2].rgbRed);

    table = Marked(9);
    palette::BuildGradientPalette(Greys({{0, 0}, {100, 100}, {50, 200}, {60, 255}}), table);
    EXPECT_EQ(100, table[100].rgbRed);
    EXPECT_EQ(9, table[101].rgbRed) << "a descending segment writes nothing";
    EXPECT_EQ(200, table[50].rgbRed) << "the next segment starts at its own key";
    EXPECT_EQ(255, table[60].rgbRed);
}

TEST(GradientPalette, KeyCountsOfOneAndZero) {
    PaletteKeyHead head = Greys({{0, 0}, {4, 40}});
    head.count = 1;
    ColourTable table = Marked(3);
    palette::BuildGradientPalette(head, table);
    EXPECT_EQ(20, table[2].rgbRed) << "one key still reaches the second slot";
    EXPECT_EQ(3, table[5].rgbRed);

    head.count = 0;
    table = Marked(3);
    palette::BuildGradientPalette(head, table);
    for (const RGBQUAD& entry : table) ASSERT_EQ(3, entry.rgbRed);
}

TEST(GradientPalette, AStoredCountAboveNineStaysInsideTheHead) {
    // The head inside a larger buffer whose following bytes differ.
    BYTE first[sizeof(PaletteKeyHead) + 64];
    BYTE second[sizeof(PaletteKeyHead) + 64];
    PaletteKeyHead head = Greys({{0, 0}, {30, 30}, {60, 60}, {90, 90}, {120, 120}, {150, 150}, {180, 180},
                                 {210, 210}, {240, 240}});
    head.count = 200;
    std::memset(first, 0x11, sizeof first);
    std::memset(second, 0xEE, sizeof second);
    std::memcpy(first, &head, sizeof head);
    std::memcpy(second, &head, sizeof head);
    ColourTable a = Marked(5), b = Marked(5), nine = Marked(5);
    palette::BuildGradientPalette(*reinterpret_cast<PaletteKeyHead*>(first), a);
    palette::BuildGradientPalette(*reinterpret_cast<PaletteKeyHead*>(second), b);
    head.count = 9;
    palette::BuildGradientPalette(head, nine);
    EXPECT_EQ(0, std::memcmp(a.data(), nine.data(), sizeof a));
    EXPECT_EQ(0, std::memcmp(b.data(), nine.data(), sizeof b));
    EXPECT_EQ(9, palette::KeysInUse(*reinterpret_cast<PaletteKeyHead*>(first)));
}

TEST(DefaultPaletteKeys, WriteOnlyTheSetKeysColoursAndPositions) {
    PaletteKeyHead head;
    std::memset(&head, 0xCC, sizeof head);
    const palette::DefaultKey keys[] = {{0, RGB(1, 2, 3)}, {255, RGB(4, 5, 6)}};
    palette::SetDefaultPaletteKeys(head, keys);
    EXPECT_EQ(2, head.count);
    EXPECT_EQ(3, head.keys[0].blue);
    EXPECT_EQ(2, head.keys[0].green);
    EXPECT_EQ(1, head.keys[0].red);
    EXPECT_EQ(0xCC, head.keys[0].reserved);
    EXPECT_EQ(6, head.keys[1].blue);
    EXPECT_EQ(255, head.positions[1]);
    EXPECT_EQ(0xCC, head.keys[2].blue) << "slots beyond the set keep what they held";
    EXPECT_EQ(0xCC, head.positions[2]);
}

}  // namespace

namespace {

TEST(GlowColour, ComesFromTheKeyBeforeTheLastAndStaysWhenAHeadHasNone) {
    palette::PaletteKeyHead head = Greys({{0, 0}, {128, 90}, {255, 255}});
    EXPECT_EQ(&head.keys[1], palette::KeyBeforeLast(head));
    palette::GlowColour glow;
    glow.Take(head);
    EXPECT_EQ(RGB(90, 90, 90), glow.Colour());

    for (BYTE count : {BYTE{0}, BYTE{1}}) {
        palette::PaletteKeyHead few = Greys({{0, 7}, {255, 200}});
        few.count = count;
        EXPECT_EQ(nullptr, palette::KeyBeforeLast(few));
        glow.Take(few);
        EXPECT_EQ(RGB(90, 90, 90), glow.Colour()) << "count " << int{count};
        EXPECT_FALSE(palette::GlowColour::Differs(head, few)) << "a record without the key brings no colour";
        EXPECT_TRUE(palette::GlowColour::Differs(few, head)) << "a block without it takes the record's";
    }
    palette::PaletteKeyHead stored = Greys({{0, 0}, {128, 90}, {255, 255}});
    stored.count = 200;  // kept as stored, read as nine
    EXPECT_EQ(&stored.keys[7], palette::KeyBeforeLast(stored));

    palette::PaletteKeyHead defaults = Greys({{0, 0}, {100, 1}, {255, 255}});
    glow.PutOn(defaults);
    EXPECT_EQ(90, defaults.keys[1].red);
    EXPECT_EQ(128, defaults.positions[1]);
}

}  // namespace
