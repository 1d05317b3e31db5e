// The layout check that a downloaded file must pass before it takes a
// module's name, on a real module of this build and on that module damaged.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "tests/webcontrol/ModuleTestSupport.h"
#include "webcontrol/ModuleImage.h"

namespace {

using netrune::IsWholeModuleImage;

class ModuleImage : public testing::Test {
protected:
    void SetUp() override {
        module = webtest::FileBytes(webtest::SpyModule());
        ASSERT_GT(module.size(), 4096u);
        std::memcpy(&ntAt, module.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), sizeof ntAt);
        std::memcpy(&nt, module.data() + ntAt, sizeof nt);
    }
    // The check as the downloader makes it: on the file's first bytes.
    static bool Whole(const std::string& bytes) {
        return IsWholeModuleImage(std::string_view(bytes).substr(0, netrune::kModuleHeadBytes), bytes.size());
    }
    std::size_t SectionAt(int index) const {
        return ntAt + offsetof(IMAGE_NT_HEADERS, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader +
               index * sizeof(IMAGE_SECTION_HEADER);
    }
    // Where the last section's raw data ends: the least a whole file holds.
    std::size_t RawEnd() const {
        std::size_t end = 0;
        for (int index = 0; index < nt.FileHeader.NumberOfSections; ++index) {
            IMAGE_SECTION_HEADER section;
            std::memcpy(&section, module.data() + SectionAt(index), sizeof section);
            if (section.SizeOfRawData > 0) end = std::max<std::size_t>(end, section.PointerToRawData + section.SizeOfRawData);
        }
        return end;
    }
    template <class T>
    std::string With(std::size_t offset, T value) const {
        std::string changed = module;
        std::memcpy(changed.data() + offset, &value, sizeof value);
        return changed;
    }

    std::string module;
    LONG ntAt = 0;
    IMAGE_NT_HEADERS nt{};
};

TEST_F(ModuleImage, AWholeModuleOfThisArchitecturePasses) {
    EXPECT_TRUE(Whole(module));
    // Data after the last section (symbols, a signature) is no part of the image.
    EXPECT_TRUE(Whole(module.substr(0, RawEnd())));
}

TEST_F(ModuleImage, AFileCutAnywhereBeforeItsLastSectionEndsIsRefused) {
    for (std::size_t size : {std::size_t{0}, std::size_t{2}, std::size_t{64}, static_cast<std::size_t>(ntAt) + 8,
                             SectionAt(0) + 10, std::size_t{nt.OptionalHeader.SizeOfHeaders}, module.size() / 2,
                             RawEnd() - 1})
        EXPECT_FALSE(Whole(module.substr(0, size))) << size;
}

TEST_F(ModuleImage, DamagedHeadersAndOtherArchitecturesAreRefused) {
    const std::size_t machine = ntAt + offsetof(IMAGE_NT_HEADERS, FileHeader.Machine);
    const WORD other = nt.FileHeader.Machine == IMAGE_FILE_MACHINE_I386 ? IMAGE_FILE_MACHINE_AMD64
                                                                        : IMAGE_FILE_MACHINE_I386;
    EXPECT_FALSE(Whole(With(machine, other)));
    const std::size_t magic = ntAt + offsetof(IMAGE_NT_HEADERS, OptionalHeader.Magic);
    EXPECT_FALSE(Whole(With<WORD>(magic, nt.OptionalHeader.Magic ^ 0x300)));  // PE32 <-> PE32+
    EXPECT_FALSE(Whole(With<WORD>(0, 0x5A4E)));                              // no "MZ"
    EXPECT_FALSE(Whole(With<DWORD>(ntAt, 0)));                               // no "PE\0\0"
    EXPECT_FALSE(Whole(With<LONG>(offsetof(IMAGE_DOS_HEADER, e_lfanew), -8)));
    EXPECT_FALSE(Whole(With<LONG>(offsetof(IMAGE_DOS_HEADER, e_lfanew), 0x7FFFFFF0)));
    const std::size_t sections = ntAt + offsetof(IMAGE_NT_HEADERS, FileHeader.NumberOfSections);
    EXPECT_FALSE(Whole(With<WORD>(sections, 0)));
    EXPECT_FALSE(Whole(With<WORD>(sections, 0xFFFF)));  // a table running past the head
    const std::size_t headers = ntAt + offsetof(IMAGE_NT_HEADERS, OptionalHeader.SizeOfHeaders);
    EXPECT_FALSE(Whole(With<DWORD>(headers, static_cast<DWORD>(module.size() + 1))));
    // A section whose raw data would wrap around 32 bits.
    const std::size_t raw = SectionAt(0) + offsetof(IMAGE_SECTION_HEADER, PointerToRawData);
    EXPECT_FALSE(Whole(With<DWORD>(raw, 0xFFFFFF00)));
    EXPECT_FALSE(Whole("this is no module"));
}

TEST_F(ModuleImage, IsReadFromTheFileItself) {
    EXPECT_TRUE(netrune::IsWholeModuleFile(webtest::SpyModule()));
    EXPECT_FALSE(netrune::IsWholeModuleFile(webtest::SpyModule() + L".missing"));
}

}  // namespace
