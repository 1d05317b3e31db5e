#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "viewer/core/TempFile.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

TEST(TempFile, CreatesAnEmptyFileInTheTemporaryFolderAndDeletesItWhenAsked) {
    std::string path;
    {
        core::TempFile file;
        EXPECT_TRUE(file.Path().empty());
        path = file.Create();
        file.SetDeleteOnDestruction(true);
        ASSERT_FALSE(path.empty());
        EXPECT_EQ(path, file.Path());
        char folder[MAX_PATH + 1];
        GetTempPathA(sizeof folder, folder);
        EXPECT_EQ(std::string(folder), path.substr(0, path.find_last_of('\\') + 1));
        EXPECT_EQ("ONW", FileName(path).substr(0, 3));
        WIN32_FILE_ATTRIBUTE_DATA data{};
        ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(0u, data.nFileSizeLow);
    }
    EXPECT_FALSE(Exists(path));
}

TEST(TempFile, KeepsItsFileUnlessAskedAndNeverReusesAName) {
    std::string kept;
    {
        core::TempFile file("ZEQ");
        kept = file.Create();
        EXPECT_EQ("ZEQ", FileName(kept).substr(0, 3));
    }
    EXPECT_TRUE(Exists(kept));

    std::string first, second;
    {
        core::TempFile file;
        first = file.Create();
        file.SetDeleteOnDestruction(true);
        second = file.Create();
        EXPECT_NE(first, second);
        EXPECT_FALSE(Exists(first)) << "a replaced file marked for deletion goes at once";
        EXPECT_TRUE(Exists(second));
    }
    EXPECT_FALSE(Exists(second));
    EXPECT_TRUE(DeleteFileA(kept.c_str()));
}

}  // namespace
