// Character boundaries of code page 932 text, on any code page the machine runs.
#include <gtest/gtest.h>

#include "tests/viewer/model/ModelTestSupport.h"
#include "viewer/model/Cp932.h"

namespace {

using model::cp932::CharCount;
using model::cp932::CharToByte;
using model::cp932::IsLeadByte;
using modeltest::Sjis;

TEST(Cp932, LeadBytesAreTheTwoFixedRanges) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(lead, IsLeadByte(static_cast<unsigned char>(byte))) << byte;
    }
    // Half-width katakana are single bytes.
    EXPECT_FALSE(IsLeadByte('\xB1'));
}

TEST(Cp932, DoubleByteCharactersCountOne) {
    const std::string text = Sjis(L"aあb");
    ASSERT_EQ("a\x82\xA0"
              "b",
              text);
    EXPECT_EQ(3, CharCount(text));
    EXPECT_EQ(0u, CharToByte(text, 0));
    EXPECT_EQ(1u, CharToByte(text, 1));
    EXPECT_EQ(3u, CharToByte(text, 2));
    EXPECT_EQ(4u, CharToByte(text, 3));
    EXPECT_EQ(0u, CharToByte(text, -5));
    EXPECT_EQ(4u, CharToByte(text, 99));
    EXPECT_EQ(0, CharCount(""));
}

TEST(Cp932, LoneTrailingLeadByteIsOneCharacterOfOneByte) {
    const std::string text = "a\x82";
    EXPECT_EQ(2, CharCount(text));
    EXPECT_EQ(1u, CharToByte(text, 1));
    EXPECT_EQ(text.size(), CharToByte(text, 2));
    EXPECT_EQ(text.size(), CharToByte(text, 3));
}

}  // namespace
