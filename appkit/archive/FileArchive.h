// An archive over an open file, staged through a 4096-byte buffer.
//
// The file handle stays the caller's. A loading archive reads from the file's
// current position to its end; when it is closed (or destroyed) it gives back
// what it fetched ahead, so the file is positioned on the first byte that no
// read consumed and the caller can read those bytes another way. A storing
// archive must be closed to learn whether the last bytes reached the file;
// the destructor still writes them but cannot report a failure.
#pragma once

#include <windows.h>

#include "appkit/archive/Archive.h"

namespace appkit {

class FileArchive final : public Archive {
public:
    // Text files store each line feed as a carriage return and a line feed.
    enum class Newlines { AsWritten, CrLf };

    static constexpr std::size_t kBufferSize = 4096;

    // Throws ArchiveError (ReadFailed) when a loading archive cannot learn
    // the file's size or position.
    FileArchive(HANDLE file, Mode mode, Newlines newlines = Newlines::AsWritten);
    ~FileArchive() override;

    // Storing: writes what is staged; loading: repositions the file.
    void Close();

private:
    void Fill(std::uint8_t* buffer, std::size_t count) override;
    void Sink(const std::uint8_t* bytes, std::size_t count) override;
    void WriteAll(const std::uint8_t* bytes, std::size_t count);
    void Finish();

    HANDLE file_;
    Newlines newlines_;
    bool closed_ = false;
};

}  // namespace appkit
