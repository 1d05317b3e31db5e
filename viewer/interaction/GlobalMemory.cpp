#include "viewer/interaction/GlobalMemory.h"

#include <cstring>

namespace interaction {

winkit::GlobalBlock FilledBlock(UINT flags, std::span<const std::uint8_t> prefix, std::span<const std::uint8_t> bytes) {
    winkit::GlobalBlock block(GlobalAlloc(flags, prefix.size() + bytes.size()));
    if (!block) return block;
    {
        const winkit::LockedBlock target(block.get());
        if (!target.get()) return winkit::GlobalBlock();
        if (!prefix.empty()) std::memcpy(target.get(), prefix.data(), prefix.size());
        if (!bytes.empty()) std::memcpy(target.get() + prefix.size(), bytes.data(), bytes.size());
    }
    return block;
}

winkit::GlobalBlock CopyOfBlock(HGLOBAL block) {
    const winkit::LockedBlock source(block);
    if (!source.get()) return winkit::GlobalBlock();
    return FilledBlock(GMEM_MOVEABLE, {}, std::span<const std::uint8_t>(source.get(), GlobalSize(block)));
}

}  // namespace interaction
