// A drawing target whose pixels can be read back, for comparing frames: a
// top-down DIB section of 8 bits (a colour cube and a grey ramp, so that
// colours map to the nearest entry) or of 32 bits, selected into a memory
// context.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "winkit/GdiHandles.h"

namespace winkit {

class DibTarget {
public:
    // Filled with `paper`; bits is 8 or 32.
    DibTarget(int width, int height, int bits, COLORREF paper);
    DibTarget(const DibTarget&) = delete;
    DibTarget& operator=(const DibTarget&) = delete;

    explicit operator bool() const { return dc_ && pixels_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    // Every byte of the picture, once pending drawing has reached it.
    std::span<const BYTE> Pixels() const;

private:
    // Set by the making of the bitmap, so declared before it.
    BYTE* pixels_ = nullptr;
    std::size_t size_;
    MemoryDC dc_;
    Bitmap bitmap_;
    Selection selection_;
};

}  // namespace winkit
