// The one exception of the archive layer.
//
// Archives report every failure by throwing ArchiveError, and nothing else in
// the viewer throws: code that reads or writes through an archive stays a
// plain sequence of reads and writes, and the command that started it (open a
// document, copy, save as text) catches ArchiveError once and reports it. A
// reader never sees a partial value: a read that cannot be satisfied throws
// before it consumes, allocates or copies anything.
#pragma once

#include <exception>

namespace appkit {

class ArchiveError final : public std::exception {
public:
    enum class Cause {
        EndOfData,    // a read asked for more bytes than remain (also a length that lies)
        ReadFailed,   // the file could not deliver bytes it claimed to hold
        WriteFailed,  // the file or memory could not take the bytes
        OutOfMemory,  // a value that fits the data could still not be held
        WrongMode,    // a read on a storing archive or a write on a loading one
    };

    explicit ArchiveError(Cause cause) noexcept : cause_(cause) {}
    Cause cause() const noexcept { return cause_; }
    const char* what() const noexcept override;

private:
    Cause cause_;
};

}  // namespace appkit
