// Global memory blocks (GlobalAlloc), the currency of the clipboard: owned
// blocks freed at scope end, and blocks locked for one scope.
#pragma once

#include <windows.h>

#include <cstdint>

#include "winkit/LastError.h"
#include "winkit/UniqueHandle.h"

namespace winkit {

using GlobalBlock = UniqueHandle<NullEmptyTraits<HGLOBAL, GlobalFree>>;

// A block's bytes for the scope; null when the block cannot be locked.
class LockedBlock {
public:
    explicit LockedBlock(HGLOBAL block) : block_(block), bytes_(static_cast<std::uint8_t*>(GlobalLock(block))) {}
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    ~LockedBlock() {
        const KeptLastError kept;
        if (bytes_) GlobalUnlock(block_);
    }
    std::uint8_t* get() const { return bytes_; }

private:
    HGLOBAL block_;
    std::uint8_t* bytes_;
};

}  // namespace winkit
