// Global memory blocks, the currency of clipboard data: owned blocks freed
// at scope end, and blocks filled with bytes. Every allocation is checked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <utility>

namespace interaction {

class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL block) : block_(block) {}
    GlobalBlock(GlobalBlock&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (block_) GlobalFree(block_);
    }

    HGLOBAL get() const { return block_; }
    explicit operator bool() const { return block_ != nullptr; }
    HGLOBAL release() { return std::exchange(block_, nullptr); }

private:
    HGLOBAL block_ = nullptr;
};

// A block of `flags` holding `prefix` then `bytes`; empty when memory ran out.
GlobalBlock FilledBlock(UINT flags, std::span<const std::uint8_t> prefix, std::span<const std::uint8_t> bytes);
// A moveable copy of a block's bytes; empty when memory ran out.
GlobalBlock CopyOfBlock(HGLOBAL block);

}  // namespace interaction
