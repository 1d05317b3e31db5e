#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "contract/contract.h"
#include "viewer/core/ClassId.h"

namespace {

const char kStatic[] = "{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}";

TEST(ParseClsid, ReadsTheRegistryFormInEitherCase) {
    const CLSID expected = {0xB56C4950, 0x54CC, 0x11D2, {0xB8, 0xE1, 0x00, 0xA0, 0xC9, 0x6E, 0xED, 0x8B}};
    for (const char* text : {kStatic, "{b56c4950-54cc-11d2-b8e1-00a0c96eed8b}"}) {
        const auto parsed = core::ParseClsid(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_EQ(0, std::memcmp(&expected, &*parsed, sizeof expected)) << text;
    }
    const auto category = core::ParseClsid("{805C7300-56D9-11d2-B8E1-00A0C96EED8B}");
    ASSERT_TRUE(category);
    EXPECT_TRUE(IsEqualGUID(contract::CATID_ViviFontObjects, *category));
}

TEST(ParseClsid, RefusesEverythingElseWithoutAskingTheRegistry) {
    std::string wrongDigit = kStatic;
    wrongDigit[36] = 'G';
    std::string movedHyphen = kStatic;
    std::swap(movedHyphen[9], movedHyphen[10]);
    std::string noClosingBrace = kStatic;
    noClosingBrace.back() = ')';
    const std::string refused[] = {
        "",
        "ViviFont.StaticFont",  // a ProgID CLSIDFromString would resolve
        "B56C4950-54CC-11D2-B8E1-00A0C96EED8B",
        std::string(kStatic) + " ",
        std::string(kStatic).substr(0, 37),
        wrongDigit,
        movedHyphen,
        noClosingBrace,
        "{B56C4950-54CC-11D2-B8E100-A0C96EED8B}",
        "{+56C4950-54CC-11D2-B8E1-00A0C96EED8B}",
    };
    for (const std::string& text : refused) EXPECT_FALSE(core::ParseClsid(text)) << text;
}

}  // namespace
