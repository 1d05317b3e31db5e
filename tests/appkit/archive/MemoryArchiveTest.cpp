// The archive's byte layout and its refusal of data that lies, over memory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appkit/archive/MemoryArchive.h"
#include "tests/appkit/archive/AllocationWatch.h"

namespace {

using appkit::ArchiveError;
using appkit::MemoryArchive;
using Bytes = std::vector<std::uint8_t>;
using Cause = ArchiveError::Cause;

template <class Read>
Cause FailureOf(Read read) {
    try {
        read();
    } catch (const ArchiveError& error) {
        return error.cause();
    }
    ADD_FAILURE() << "the read did not fail";
    return Cause::WrongMode;
}

TEST(MemoryArchive, StoresNumbersLittleEndianAndLoadsThemBack) {
    MemoryArchive out;
    out.WriteByte(0x12);
    out.WriteDword(0x11223344);
    out.WriteLong(-2);
    out.Write("xyz", 3);
    const Bytes expected = {0x12, 0x44, 0x33, 0x22, 0x11, 0xFE, 0xFF, 0xFF, 0xFF, 'x', 'y', 'z'};
    ASSERT_EQ(expected, out.Bytes());

    MemoryArchive in(out.Bytes());
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(12u, in.Remaining());
    EXPECT_EQ(0x12, in.PeekByte());
    EXPECT_EQ(0x12, in.ReadByte());
    EXPECT_EQ(0x11223344u, in.ReadDword());
    EXPECT_EQ(-2, in.ReadLong());
    char raw[3];
    in.Read(raw, sizeof raw);
    EXPECT_EQ("xyz", std::string(raw, 3));
    EXPECT_TRUE(in.AtEnd());
}

TEST(MemoryArchive, CountedStringsTakeTheShortestLengthForm) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        // 0xFFFE in the word would announce a wide string.
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'q');
        if (!text.empty()) text.back() = 'z';
        MemoryArchive out;
        out.WriteString(text);
        ASSERT_EQ(c.prefix.size() + c.length, out.Bytes().size());
        EXPECT_EQ(c.prefix, Bytes(out.Bytes().begin(), out.Bytes().begin() + c.prefix.size()));

        MemoryArchive in(out.Bytes());
        EXPECT_EQ(text, in.ReadString());
        EXPECT_TRUE(in.AtEnd());
    }
}

Bytes WideUnits(const std::u16string& text) {
    Bytes bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(MemoryArchive, ReadsWideStringsIntoTheAnsiCodePage) {
    struct Case {
        Bytes data;
        std::string expected;
    };
    const Case cases[] = {
        {Concat({0xFF, 0xFE, 0xFF, 0x03}, WideUnits(u"A\u3042B")), "A\x82\xA0" "B"},
        {{0xFF, 0xFE, 0xFF, 0x00}, ""},
        {Concat({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01}, WideUnits(std::u16string(300, u'w'))), std::string(300, 'w')},
        // After the wide marker a word of 0xFFFE is a plain length.
        {Concat({0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}, WideUnits(std::u16string(65534, u'v'))), std::string(65534, 'v')},
        {Concat({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00}, WideUnits(u"\u65E5\u672C")),
         "\x93\xFA\x96\x7B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.size());
        MemoryArchive in(c.data);
        EXPECT_EQ(c.expected, in.ReadString());
        EXPECT_TRUE(in.AtEnd());
    }
}

TEST(MemoryArchive, LyingStringLengthsAreRefusedBeforeAnythingIsAllocated) {
    const Bytes payload = {'a', 'b', 'c'};
    const Bytes lies[] = {
        {0x04},
        {0xFF, 0xFD, 0xFF},
        {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
        {0xFF, 0xFE, 0xFF, 0x02},  // two units need four bytes
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
    };
    for (const Bytes& lie : lies) {
        SCOPED_TRACE(lie.size());
        const Bytes data = Concat(lie, payload);
        MemoryArchive in(data);
        Cause cause{};
        const std::size_t largest = allocwatch::LargestAllocationDuring([&] { cause = FailureOf([&] { in.ReadString(); }); });
        EXPECT_EQ(Cause::EndOfData, cause);
        EXPECT_LT(largest, 64u);
        EXPECT_EQ(payload.size(), in.Remaining()) << "the payload must stay unread";
    }
}

TEST(MemoryArchive, ShortReadsFailWithoutConsuming) {
    const Bytes data = {1, 2, 3};
    MemoryArchive in(data);
    EXPECT_EQ(Cause::EndOfData, FailureOf([&] { in.ReadDword(); }));
    EXPECT_EQ(Cause::EndOfData, FailureOf([&] { in.Skip(4); }));
    std::uint8_t raw[4] = {9, 9, 9, 9};
    EXPECT_EQ(Cause::EndOfData, FailureOf([&] { in.Read(raw, 4); }));
    EXPECT_EQ(9, raw[0]);
    EXPECT_EQ(3u, in.Remaining());
    in.Skip(2);
    EXPECT_EQ(3, in.ReadByte());
    EXPECT_EQ(Cause::EndOfData, FailureOf([&] { in.PeekByte(); }));
    EXPECT_EQ(Cause::EndOfData, FailureOf([&] { in.ReadString(); }));
}

TEST(MemoryArchive, EachDirectionRefusesTheOther) {
    MemoryArchive out;
    EXPECT_EQ(Cause::WrongMode, FailureOf([&] { out.ReadByte(); }));
    EXPECT_EQ(Cause::WrongMode, FailureOf([&] { out.Remaining(); }));
    const Bytes data = {1};
    MemoryArchive in(data);
    EXPECT_EQ(Cause::WrongMode, FailureOf([&] { in.WriteByte(1); }));
    EXPECT_EQ(Cause::WrongMode, FailureOf([&] { in.WriteString("x"); }));
    EXPECT_EQ(1u, in.Remaining());
}

}  // namespace
