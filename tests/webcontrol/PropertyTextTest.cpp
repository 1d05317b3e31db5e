#include <gtest/gtest.h>

#include "tests/webcontrol/PropertyRecords.h"
#include "webcontrol/PropertyText.h"

namespace {

using netrune::DecodeBase64;
using netrune::RecordIn;
using webtest::Bytes;

TEST(Base64, GroupsPaddingAndCharactersOutsideTheAlphabet) {
    EXPECT_EQ((Bytes{0, 0, 0}), DecodeBase64("AAAA"));
    EXPECT_EQ((Bytes{0}), DecodeBase64("AA=="));
    EXPECT_EQ((Bytes{0, 0}), DecodeBase64("AAA="));
    EXPECT_EQ((Bytes{'M', 'a', 'n', 'M', 'a'}), DecodeBase64("TWFuTWE="));
    // Foreign characters count as 0; trailing characters outside a group are ignored.
    EXPECT_EQ(DecodeBase64("AAAA"), DecodeBase64("A*A!"));
    EXPECT_EQ((Bytes{'M', 'a', 'n'}), DecodeBase64("TWFuTW"));
    // Padding without a group never makes a negative size.
    EXPECT_TRUE(DecodeBase64("=").empty());
    EXPECT_TRUE(DecodeBase64("==").empty());
    EXPECT_TRUE(DecodeBase64("").empty());
}

TEST(Base64, RoundTripsEveryByteValue) {
    Bytes all;
    for (int i = 0; i < 256; ++i) all.push_back(static_cast<unsigned char>(i));
    for (std::size_t length : {all.size(), all.size() - 1, all.size() - 2}) {
        const Bytes part(all.begin(), all.begin() + length);
        const std::wstring text = webtest::Base64(part);
        EXPECT_EQ(part, DecodeBase64(std::string(text.begin(), text.end())));
    }
}

TEST(PropertyRecord, HandedOverOnlyWithItsHeadAndEveryAnnouncedPayloadByte) {
    EXPECT_EQ(nullptr, RecordIn(Bytes(7, 0)));
    const Bytes whole = webtest::Record(4, 2, {1, 2, 3, 4});
    ASSERT_NE(nullptr, RecordIn(whole));
    EXPECT_EQ(4, RecordIn(whole)->nSize);
    EXPECT_EQ(2, RecordIn(whole)->nVersion);
    EXPECT_NE(nullptr, RecordIn(webtest::Record(0, 2, {})));
    EXPECT_EQ(nullptr, RecordIn(webtest::Record(5, 2, {1, 2, 3, 4})));
    EXPECT_EQ(nullptr, RecordIn(webtest::Record(-1, 2, {1, 2, 3, 4})));
    EXPECT_EQ(nullptr, RecordIn(webtest::Record(0x7FFFFFFF, 2, {1})));
}

}  // namespace
