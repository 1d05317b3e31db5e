#include "appkit/archive/MemoryArchive.h"

#include <new>

namespace appkit {

// Writes go straight into the vector: no staging buffer.
MemoryArchive::MemoryArchive() : Archive(Mode::Store, 0) {}

MemoryArchive::MemoryArchive(std::span<const std::uint8_t> bytes) : Archive(bytes) {}

void MemoryArchive::Sink(const std::uint8_t* bytes, std::size_t count) {
    try {
        stored_.insert(stored_.end(), bytes, bytes + count);
    } catch (const std::exception&) {  // bad_alloc, or length_error past the vector's limit
        throw ArchiveError(ArchiveError::Cause::WriteFailed);
    }
}

}  // namespace appkit
