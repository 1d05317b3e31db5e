// An archive over bytes in memory: loading reads a block the caller keeps
// alive; storing collects the bytes written.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "appkit/archive/Archive.h"

namespace appkit {

class MemoryArchive final : public Archive {
public:
    // Storing.
    MemoryArchive();
    // Loading; `bytes` must outlive the archive.
    explicit MemoryArchive(std::span<const std::uint8_t> bytes);

    // Storing: everything written so far.
    const std::vector<std::uint8_t>& Bytes() const { return stored_; }

private:
    void Sink(const std::uint8_t* bytes, std::size_t count) override;

    std::vector<std::uint8_t> stored_;
};

}  // namespace appkit
