// The archive over files: staging, the file position it leaves behind, text
// files' line ends and write failures.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "appkit/archive/FileArchive.h"

namespace {

using appkit::Archive;
using appkit::ArchiveError;
using appkit::FileArchive;

// A file in the temporary folder, deleted at scope end.
class ScratchFile {
public:
    ScratchFile() {
        wchar_t folder[MAX_PATH];
        wchar_t name[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"arc", 0, name);
        path_ = name;
    }
    ~ScratchFile() { DeleteFileW(path_.c_str()); }

    HANDLE Open(DWORD access) const {
        return CreateFileW(path_.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    std::string Contents() const {
        HANDLE file = Open(GENERIC_READ);
        std::string bytes(GetFileSize(file, nullptr), '\0');
        DWORD got = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        return bytes;
    }
    void Replace(const std::string& bytes) const {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }

private:
    std::wstring path_;
};

LONGLONG Position(HANDLE file) {
    LARGE_INTEGER position{};
    SetFilePointerEx(file, LARGE_INTEGER{}, &position, FILE_CURRENT);
    return position.QuadPart;
}

TEST(FileArchive, ValuesLongerThanItsBufferRoundTrip) {
    ScratchFile scratch;
    const std::string big(3 * FileArchive::kBufferSize + 17, 'b');
    HANDLE file = scratch.Open(GENERIC_WRITE);
    {
        FileArchive out(file, Archive::Mode::Store);
        out.WriteDword(7);
        out.WriteString(big);
        out.WriteString("end");
        out.Close();
    }
    CloseHandle(file);
    EXPECT_EQ(4 + 3 + big.size() + 4, scratch.Contents().size());

    file = scratch.Open(GENERIC_READ);
    FileArchive in(file, Archive::Mode::Load);
    EXPECT_EQ(7u, in.ReadDword());
    EXPECT_EQ(big, in.ReadString());
    EXPECT_EQ("end", in.ReadString());
    EXPECT_TRUE(in.AtEnd());
    EXPECT_THROW(in.ReadByte(), ArchiveError);
    in.Close();
    CloseHandle(file);
}

TEST(FileArchive, LoadsFromTheFilePositionAndLeavesTheFileOnTheFirstUnreadByte) {
    ScratchFile scratch;
    scratch.Replace("HEAD" + std::string(5000, 'x'));
    HANDLE file = scratch.Open(GENERIC_READ);
    SetFilePointer(file, 4, nullptr, FILE_BEGIN);
    {
        FileArchive in(file, Archive::Mode::Load);
        EXPECT_EQ(5000u, in.Remaining());
        EXPECT_EQ('x', in.PeekByte());
        in.Close();
    }
    EXPECT_EQ(4, Position(file));
    {
        FileArchive in(file, Archive::Mode::Load);
        in.Skip(4099);
        EXPECT_EQ(901u, in.Remaining());
    }
    EXPECT_EQ(4 + 4099, Position(file));
    CloseHandle(file);
}

TEST(FileArchive, TextFilesStoreLineFeedsAsCrLf) {
    ScratchFile scratch;
    HANDLE file = scratch.Open(GENERIC_WRITE);
    {
        FileArchive out(file, Archive::Mode::Store, FileArchive::Newlines::CrLf);
        out.Write("ab\n\n", 4);
        out.Write(std::string(FileArchive::kBufferSize - 5, 'c').data(), FileArchive::kBufferSize - 5);
        out.Write("\nd", 2);  // the line feed ends one staged block, d starts the next
    }  // written by the destructor
    CloseHandle(file);
    EXPECT_EQ("ab\r\n\r\n" + std::string(FileArchive::kBufferSize - 5, 'c') + "\r\nd", scratch.Contents());
}

TEST(FileArchive, CloseReportsAFileThatRefusesTheBytes) {
    ScratchFile scratch;
    HANDLE file = scratch.Open(GENERIC_READ);
    FileArchive out(file, Archive::Mode::Store);
    out.WriteString("lost");
    try {
        out.Close();
        ADD_FAILURE() << "Close succeeded on a read-only handle";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(ArchiveError::Cause::WriteFailed, error.cause());
    }
    CloseHandle(file);
}

}  // namespace
