// Counts in a text record (the lines of a block, the runs of a line) are
// checked against the data that is left before anything is built for them:
// every element takes at least `minimumBytes`, so a count that lies meets the
// archive's end-of-data error at once, not after a long row of empty objects.
#pragma once

#include <cstdint>

#include "appkit/archive/Archive.h"

namespace model {

// A signed count; 0 or less means none.
inline int ReadCount(appkit::Archive& archive, std::uint32_t minimumBytes) {
    const std::int32_t count = archive.ReadLong();
    if (count <= 0) return 0;
    if (std::uint64_t{static_cast<std::uint32_t>(count)} * minimumBytes > archive.Remaining())
        throw appkit::ArchiveError(appkit::ArchiveError::Cause::EndOfData);
    return count;
}

}  // namespace model
