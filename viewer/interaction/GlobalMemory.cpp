#include "viewer/interaction/GlobalMemory.h"

#include <cstring>

namespace interaction {
namespace {

// Locks a block for the scope; null when it cannot be locked.
class Locked {
public:
    explicit Locked(HGLOBAL block) : block_(block), bytes_(static_cast<std::uint8_t*>(GlobalLock(block))) {}
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked() {
        if (bytes_) GlobalUnlock(block_);
    }
    std::uint8_t* get() const { return bytes_; }

private:
    HGLOBAL block_;
    std::uint8_t* bytes_;
};

}  // namespace

GlobalBlock FilledBlock(UINT flags, std::span<const std::uint8_t> prefix, std::span<const std::uint8_t> bytes) {
    GlobalBlock block(GlobalAlloc(flags, prefix.size() + bytes.size()));
    if (!block) return block;
    {
        const Locked target(block.get());
        if (!target.get()) return GlobalBlock();
        if (!prefix.empty()) std::memcpy(target.get(), prefix.data(), prefix.size());
        if (!bytes.empty()) std::memcpy(target.get() + prefix.size(), bytes.data(), bytes.size());
    }
    return block;
}

GlobalBlock CopyOfBlock(HGLOBAL block) {
    const Locked source(block);
    if (!source.get()) return GlobalBlock();
    return FilledBlock(GMEM_MOVEABLE, {}, std::span<const std::uint8_t>(source.get(), GlobalSize(block)));
}

}  // namespace interaction
