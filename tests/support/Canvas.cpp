#include "tests/support/Canvas.h"

namespace testsupport {

Canvas::Canvas(int width, int height, COLORREF fill)
    : width_(width), height_(height), stride_((width * 3 + 3) & ~3), dc_(nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is y 0
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<BYTE*>(bits);
    previous_ = SelectObject(dc_.get(), bitmap_.get());
    winkit::Brush brush(CreateSolidBrush(fill));
    RECT all{0, 0, width, height};
    FillRect(dc_.get(), &all, brush.get());
    GdiFlush();
}

Canvas::~Canvas() { SelectObject(dc_.get(), previous_); }

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    const BYTE* p = bits_ + y * stride_ + x * 3;
    return RGB(p[2], p[1], p[0]);
}

int Canvas::Count(COLORREF colour, RECT area) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == colour) ++count;
    return count;
}

int Canvas::CountOutside(COLORREF colour, RECT area) const {
    return Count(colour, {0, 0, width_, height_}) - Count(colour, area);
}

}  // namespace testsupport
