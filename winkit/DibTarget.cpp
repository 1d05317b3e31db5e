#include "winkit/DibTarget.h"

namespace winkit {

namespace {

struct TargetInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

// 216 colours of a 6 x 6 x 6 cube, then 40 greys between its levels.
void FillColourTable(RGBQUAD (&colours)[256]) {
    int i = 0;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours[i++] = {static_cast<BYTE>(b * 51), static_cast<BYTE>(g * 51), static_cast<BYTE>(r * 51), 0};
    for (int grey = 0; i < 256; ++i, ++grey) {
        const BYTE level = static_cast<BYTE>(3 + grey * 6);
        colours[i] = {level, level, level, 0};
    }
}

HBITMAP MakeSection(int width, int height, int bits, BYTE** pixels) {
    TargetInfo info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = BI_RGB;
    if (bits == 8) FillColourTable(info.colours);
    void* memory = nullptr;
    const HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &memory, nullptr, 0);
    *pixels = static_cast<BYTE*>(memory);
    return section;
}

std::size_t Bytes(int width, int height, int bits) {
    const int stride = (width * bits + 31) / 32 * 4;
    return static_cast<std::size_t>(stride) * height;
}

}  // namespace

DibTarget::DibTarget(int width, int height, int bits, COLORREF paper)
    : size_(Bytes(width, height, bits)),
      dc_(nullptr),
      bitmap_(MakeSection(width, height, bits, &pixels_)),
      selection_(dc_.get(), bitmap_.get()) {
    if (!*this) return;
    const RECT all{0, 0, width, height};
    const Brush brush(CreateSolidBrush(paper));
    FillRect(dc_.get(), &all, brush.get());
}

std::span<const BYTE> DibTarget::Pixels() const {
    GdiFlush();
    return {pixels_, size_};
}

}  // namespace winkit
