// Appended data is searched in whole executables, files anyone may hand the
// viewer: every buffer here ends right at an inaccessible page, so a read past
// its end crashes the test.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <cstring>
#include <string>

#include "viewer/core/AppendedData.h"

namespace {

using core::FindBytes;
using core::ScanAppendedData;

const std::string kEffectMarker = "60458B80-7825-11D2-8CDD-00A0C9A0F04D--Tvk, Vivi Font Component--";
const std::string kDocumentMarker = "--Tvk, OndelleWriter Project.--(DF1E2F00-4344-11d2-B8E1-00A0C96EED8B)";
const std::string kStatic = "{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}";
const std::string kOtherClass = "{0A2D3E61-5D86-11D2-B8E1-00A0C96EED8B}";
const std::string kProgram = "MZ\x90" "program bytes";

std::string Entry(const std::string& clsid, const std::string& module) {
    return kEffectMarker + clsid + std::string(1, '\0') + module;
}

// Bytes placed so that the first byte after them is on a no-access page.
class FencedBytes {
public:
    explicit FencedBytes(const std::string& bytes) {
        SYSTEM_INFO system;
        GetSystemInfo(&system);
        const std::size_t page = system.dwPageSize;
        const std::size_t dataPages = (bytes.size() + page - 1) / page * page;
        base_ = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, dataPages + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + dataPages, page, PAGE_NOACCESS, &old);
        data_ = base_ + dataPages - bytes.size();
        std::memcpy(data_, bytes.data(), bytes.size());
        size_ = bytes.size();
    }
    FencedBytes(const FencedBytes&) = delete;
    FencedBytes& operator=(const FencedBytes&) = delete;
    ~FencedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }

    std::span<const std::uint8_t> span() const { return {data_, size_}; }

private:
    std::uint8_t* base_;
    std::uint8_t* data_;
    std::size_t size_;
};

std::string Text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string ClassText(const CLSID& clsid) {
    wchar_t wide[39];
    StringFromGUID2(clsid, wide, 39);
    return std::string(wide, wide + 38);
}

TEST(FindBytes, FindsOnlyWholeOccurrencesInsideTheBound) {
    const FencedBytes bytes("abcabcd");
    EXPECT_EQ(0u, FindBytes(bytes.span(), "abc"));
    EXPECT_EQ(3u, FindBytes(bytes.span(), "abcd"));
    EXPECT_EQ(6u, FindBytes(bytes.span(), "d"));
    EXPECT_FALSE(FindBytes(bytes.span(), "cde"));        // begins inside, does not fit
    EXPECT_FALSE(FindBytes(bytes.span().first(6), "abcd"));
    EXPECT_FALSE(FindBytes(bytes.span().first(0), "a"));
    EXPECT_FALSE(FindBytes(bytes.span(), ""));
}

TEST(ScanAppendedData, OnlyAnEffectMarkerEndsAnEffectEntry) {
    const FencedBytes image(kProgram + Entry(kStatic, "AAA") + kDocumentMarker + "doc" + Entry(kOtherClass, "BB"));
    const auto data = ScanAppendedData(image.span(), kEffectMarker, kDocumentMarker);
    ASSERT_EQ(2u, data.effects.size());
    EXPECT_EQ(kStatic, ClassText(data.effects[0].clsid));
    EXPECT_EQ("AAA" + kDocumentMarker + "doc", Text(data.effects[0].module));
    EXPECT_EQ(kOtherClass, ClassText(data.effects[1].clsid));
    EXPECT_EQ("BB", Text(data.effects[1].module));
    ASSERT_TRUE(data.document);
    EXPECT_EQ("doc" + Entry(kOtherClass, "BB"), Text(*data.document));
}

TEST(ScanAppendedData, LeavesOutMalformedEntriesAndStopsAtACutOne) {
    struct Case {
        const char* name;
        std::string appended;
        std::vector<std::string> modules;  // class text and bytes, in turn
    };
    const std::string cutMarker = kEffectMarker.substr(0, 40);
    const Case cases[] = {
        {"ProgID instead of a class", Entry("ViviFont.StaticFont", "X") + Entry(kOtherClass, "BB"), {kOtherClass, "BB"}},
        {"class text without its NUL", kEffectMarker + kStatic + "X" + Entry(kOtherClass, "BB"), {kOtherClass, "BB"}},
        {"garbage text running over the next marker", kEffectMarker + "garbage" + Entry(kOtherClass, "BB"), {kOtherClass, "BB"}},
        {"entry without module bytes", Entry(kStatic, "") + Entry(kOtherClass, "BB"), {kOtherClass, "BB"}},
        {"module ends the file", Entry(kStatic, "S") + Entry(kOtherClass, ""), {kStatic, "S"}},
        {"class text cut short", Entry(kStatic, "S") + kEffectMarker + kOtherClass.substr(0, 20), {kStatic, "S"}},
        {"NUL cut off", Entry(kStatic, "S") + kEffectMarker + kOtherClass, {kStatic, "S"}},
        {"marker cut short", Entry(kStatic, "S") + cutMarker, {kStatic, "S" + cutMarker}},
        {"nothing appended", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FencedBytes image(kProgram + c.appended);
        const auto data = ScanAppendedData(image.span(), kEffectMarker, kDocumentMarker);
        std::vector<std::string> found;
        for (const auto& effect : data.effects) {
            found.push_back(ClassText(effect.clsid));
            found.push_back(Text(effect.module));
        }
        EXPECT_EQ(c.modules, found);
        EXPECT_FALSE(data.document);
    }
}

TEST(ScanAppendedData, ADocumentMarkerAtTheEndGivesAnEmptyDocument) {
    const FencedBytes image(kProgram + kDocumentMarker);
    const auto data = ScanAppendedData(image.span(), kEffectMarker, kDocumentMarker);
    ASSERT_TRUE(data.document);
    EXPECT_TRUE(data.document->empty());
    EXPECT_TRUE(data.effects.empty());

    const FencedBytes twice(kProgram + kDocumentMarker + "first" + kDocumentMarker + "second");
    EXPECT_EQ("first" + kDocumentMarker + "second",
              Text(*ScanAppendedData(twice.span(), kEffectMarker, kDocumentMarker).document));
}

}  // namespace
