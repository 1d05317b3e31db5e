// Global memory blocks filled with bytes, for clipboard data. Every
// allocation is checked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "winkit/GlobalMemory.h"

namespace interaction {

// A block of `flags` holding `prefix` then `bytes`; empty when memory ran out.
winkit::GlobalBlock FilledBlock(UINT flags, std::span<const std::uint8_t> prefix, std::span<const std::uint8_t> bytes);
// A moveable copy of a block's bytes; empty when memory ran out.
winkit::GlobalBlock CopyOfBlock(HGLOBAL block);

}  // namespace interaction
