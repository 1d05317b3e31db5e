#include "effects/common/ScratchSurface.h"

#include <algorithm>
#include <cstring>

namespace palette {

namespace {
struct ScratchInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

HBITMAP MakeSurface(int width, int height, std::span<const RGBQUAD> colours, void** memory) {
    ScratchInfo info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;  // bottom up, as the surfaces
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    // Only the colours given: a text call takes the nearest of exactly these.
    info.header.biClrUsed = static_cast<DWORD>(std::min<std::size_t>(colours.size(), 256));
    std::copy_n(colours.begin(), std::min<std::size_t>(colours.size(), 256), info.colours);
    return CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, memory, nullptr, 0);
}
}  // namespace

ScratchSurface::ScratchSurface(int width, int height, std::span<const RGBQUAD> colours)
    : dc_(nullptr), bitmap_(width > 0 && height > 0 ? MakeSurface(width, height, colours, &memory_) : nullptr),
      selection_(dc_.get(), bitmap_.get()) {
    if (!dc_ || !bitmap_ || !memory_) return;
    SetBkMode(dc_.get(), TRANSPARENT);
    plane_ = {static_cast<BYTE*>(memory_), (width + 3) & ~3, height};
    std::memset(plane_.pixels, 0, static_cast<std::size_t>(plane_.stride) * height);
}

}  // namespace palette
