// A frame target whose pixels can be read: a top-down DIB section of 8 bits
// (with a colour cube and a grey ramp, so that colours map to the nearest
// entry) or of 32 bits, selected into a memory context.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>

#include "winkit/GdiHandles.h"

namespace testsupport {

class DibTarget {
public:
    // Filled with `paper`; bits is 8 or 32.
    DibTarget(int width, int height, int bits, COLORREF paper);
    DibTarget(const DibTarget&) = delete;
    DibTarget& operator=(const DibTarget&) = delete;
    ~DibTarget();

    explicit operator bool() const { return pixels_ != nullptr; }
    HDC dc() const { return dc_.get(); }
    // Every byte of the picture, once pending drawing has reached it.
    std::span<const BYTE> Pixels() const;

private:
    winkit::MemoryDC dc_;
    winkit::Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    BYTE* pixels_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace testsupport
