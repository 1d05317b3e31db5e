// A file read into memory in one piece: the viewer's executables, searched
// for the data appended to them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace app {

struct WholeFile {
    enum class Status { Read, CannotOpen, ShortRead };
    Status status = Status::CannotOpen;
    std::vector<std::uint8_t> bytes;  // every byte of the file when Read
};

// Fewer bytes than the file's length (also a file too big to hold) is a
// short read.
WholeFile ReadWholeFile(const std::string& path);

// The full path of the running program's executable.
std::string OwnExecutablePath();

}  // namespace app
