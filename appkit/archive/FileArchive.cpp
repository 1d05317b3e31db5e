#include "appkit/archive/FileArchive.h"

#include <algorithm>

namespace appkit {

namespace {

// Bytes from the file's current position to its end.
std::uint64_t BytesToEnd(HANDLE file) {
    LARGE_INTEGER size{};
    LARGE_INTEGER position{};
    if (!GetFileSizeEx(file, &size) || !SetFilePointerEx(file, LARGE_INTEGER{}, &position, FILE_CURRENT))
        throw ArchiveError(ArchiveError::Cause::ReadFailed);
    return size.QuadPart > position.QuadPart ? static_cast<std::uint64_t>(size.QuadPart - position.QuadPart) : 0;
}

}  // namespace

FileArchive::FileArchive(HANDLE file, Mode mode, Newlines newlines)
    : Archive(mode, kBufferSize, mode == Mode::Load ? BytesToEnd(file) : 0), file_(file), newlines_(newlines) {}

FileArchive::~FileArchive() {
    if (closed_) return;
    try {
        Finish();
    } catch (const ArchiveError&) {
        // Close() is the way to hear about this; a destructor must not throw.
    }
}

void FileArchive::Close() {
    if (closed_) return;
    closed_ = true;
    Finish();
}

void FileArchive::Finish() {
    if (IsStoring()) {
        Flush();
        return;
    }
    LARGE_INTEGER back{};
    back.QuadPart = -static_cast<LONGLONG>(GiveBackReadAhead());
    SetFilePointerEx(file_, back, nullptr, FILE_CURRENT);
}

void FileArchive::Fill(std::uint8_t* buffer, std::size_t count) {
    while (count > 0) {
        DWORD got = 0;
        const auto ask = static_cast<DWORD>(std::min<std::size_t>(count, MAXDWORD));
        if (!ReadFile(file_, buffer, ask, &got, nullptr) || got == 0)
            throw ArchiveError(ArchiveError::Cause::ReadFailed);
        buffer += got;
        count -= got;
    }
}

void FileArchive::WriteAll(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        DWORD written = 0;
        const auto ask = static_cast<DWORD>(std::min<std::size_t>(count, MAXDWORD));
        if (!WriteFile(file_, bytes, ask, &written, nullptr) || written == 0)
            throw ArchiveError(ArchiveError::Cause::WriteFailed);
        bytes += written;
        count -= written;
    }
}

void FileArchive::Sink(const std::uint8_t* bytes, std::size_t count) {
    if (newlines_ == Newlines::AsWritten) {
        WriteAll(bytes, count);
        return;
    }
    static const std::uint8_t kCrLf[] = {'\r', '\n'};
    const std::uint8_t* const end = bytes + count;
    while (bytes != end) {
        const std::uint8_t* lineFeed = std::find(bytes, end, '\n');
        WriteAll(bytes, lineFeed - bytes);
        if (lineFeed == end) break;
        WriteAll(kCrLf, sizeof kCrLf);
        bytes = lineFeed + 1;
    }
}

}  // namespace appkit
