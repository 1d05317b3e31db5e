#include <gtest/gtest.h>

#include <windows.h>

#include "webcontrol/DownloadTarget.h"
#include "tests/support/System.h"

namespace {

using netrune::ModuleFileName;

TEST(ModuleFileName, IsTheLastSegmentOfTheAddress) {
    EXPECT_EQ(L"rain.df", ModuleFileName(L"http://www.tarvik.example/pc/ondelle/glyphset/rain.df"));
    // One trailing slash names the segment before it.
    EXPECT_EQ(L"rain.df", ModuleFileName(L"http://host/glyphset/rain.df/"));
    EXPECT_EQ(L"rain.df", ModuleFileName(L"file:///C:/modules/rain.df"));
    // Percent escapes stay as they are: a literal name, no separator.
    EXPECT_EQ(L"..%5Crain.df", ModuleFileName(L"http://host/..%5Crain.df"));
}

TEST(ModuleFileName, RefusesWhatIsNoPlainFileName) {
    for (const wchar_t* address : {
             L"rain.df",                        // no "/" at all
             L"http://host/glyphset/..",        // parent folder
             L"http://host/glyphset/../",       // the same with a slash
             L"http://host/glyphset/.",
             L"http://host/..\\..\\Windows\\evil.dll",  // backslashes
             L"http://host/C:evil.dll",         // drive letter
             L"http://host/rain.df:stream",     // stream
             L"http://host/rain.df?v=2",        // characters a name cannot hold
             L"http://host/rain.",              // Windows would drop the dot
             L"http://host/glyphset/rain",      // the loader would add ".dll"
             L"http://host/rain.df ",
             L"http://host/CON",                // devices, with or without extension
             L"http://host/nul.df",
             L"http://host/Com1.dll",
             L"http://host/lpt9",
             L"http://host/aux .df",
         })
        EXPECT_FALSE(ModuleFileName(address)) << std::string(address, address + wcslen(address));
    EXPECT_TRUE(ModuleFileName(L"http://host/com10.df"));
    EXPECT_TRUE(ModuleFileName(L"http://host/console.df"));
}

TEST(ModuleTarget, IsAPathShorterThanMaxPath) {
    const std::wstring folder = L"C:\\Vivi Fonts";
    const auto name = [&](std::size_t pathLength) {
        return std::wstring(pathLength - folder.size() - 1 - 3, L'a') + L".df";
    };
    EXPECT_EQ(folder + L"\\" + name(MAX_PATH - 1),
              netrune::ModuleTarget(folder, L"http://host/" + name(MAX_PATH - 1)));
    EXPECT_FALSE(netrune::ModuleTarget(folder, L"http://host/" + name(MAX_PATH)));
    EXPECT_FALSE(netrune::ModuleTarget(folder, L"http://host/CON"));
}

TEST(DownloadFolder, JoinsWithOneBackslashUnderCommonFiles) {
    EXPECT_EQ(L"C:\\a\\b", netrune::JoinPath(L"C:\\a", L"b"));
    EXPECT_EQ(L"C:\\a\\b", netrune::JoinPath(L"C:\\a\\", L"b"));
    EXPECT_EQ(L"\\b", netrune::JoinPath(L"", L"b"));
    const auto common = testsupport::ReadString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                                L"CommonFilesDir");
    ASSERT_TRUE(common);
    EXPECT_EQ(*common + L"\\Tarvik Shared\\Ondelle-Writer\\Vivi Fonts", netrune::SharedModuleFolder());
}

class FolderChain : public testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base_ = std::wstring(temp) + L"netrune-chain-" + std::to_wstring(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryW(base_.c_str(), nullptr));
    }
    void TearDown() override {
        DeleteFileW((base_ + L"\\a\\b\\c\\keep.txt").c_str());
        for (const wchar_t* level : {L"\\a\\b\\c", L"\\a\\b", L"\\a", L""}) RemoveDirectoryW((base_ + level).c_str());
    }
    static bool IsFolder(const std::wstring& path) {
        const DWORD attributes = GetFileAttributesW(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::wstring base_;
};

TEST_F(FolderChain, CreatesOnlyTheMissingLevelsAndLeavesExistingOnesAlone) {
    ASSERT_TRUE(netrune::CreateFolderChain(base_ + L"\\a\\b\\"));
    EXPECT_TRUE(IsFolder(base_ + L"\\a\\b"));
    ASSERT_TRUE(CreateDirectoryW((base_ + L"\\a\\b\\c").c_str(), nullptr));
    HANDLE marker = CreateFileW((base_ + L"\\a\\b\\c\\keep.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0,
                                nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, marker);
    CloseHandle(marker);
    EXPECT_TRUE(netrune::CreateFolderChain(base_ + L"\\a\\b\\c"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW((base_ + L"\\a\\b\\c\\keep.txt").c_str()));
    // Without any existing level there is nothing to build on.
    EXPECT_FALSE(netrune::CreateFolderChain(L"no-such-drive-or-folder"));
}

}  // namespace
