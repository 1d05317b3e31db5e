// A 24-bit DIB section selected into a memory context, for reading back what
// an effect drew.
#pragma once

#include <windows.h>

#include "winkit/GdiHandles.h"

namespace testsupport {

class Canvas {
public:
    Canvas(int width, int height, COLORREF fill);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF Pixel(int x, int y) const;
    // Pixels of the colour inside the rectangle [left, right) x [top, bottom).
    int Count(COLORREF colour, RECT area) const;
    int CountOutside(COLORREF colour, RECT area) const;

private:
    int width_;
    int height_;
    int stride_;
    BYTE* bits_ = nullptr;
    winkit::MemoryDC dc_;
    winkit::Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace testsupport
