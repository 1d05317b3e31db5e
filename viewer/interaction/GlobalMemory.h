// Global memory blocks, the currency of clipboard data: owned blocks freed
// at scope end, and blocks filled with bytes. Every allocation is checked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "winkit/UniqueHandle.h"

namespace interaction {

using GlobalBlock = winkit::UniqueHandle<winkit::NullEmptyTraits<HGLOBAL, GlobalFree>>;

// A block of `flags` holding `prefix` then `bytes`; empty when memory ran out.
GlobalBlock FilledBlock(UINT flags, std::span<const std::uint8_t> prefix, std::span<const std::uint8_t> bytes);
// A moveable copy of a block's bytes; empty when memory ran out.
GlobalBlock CopyOfBlock(HGLOBAL block);

}  // namespace interaction
