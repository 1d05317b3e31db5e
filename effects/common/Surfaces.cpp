#include "effects/common/Surfaces.h"

#include <algorithm>
#include <cstring>

namespace palette {

namespace {
// A BITMAPINFO for 8-bit surfaces, with room for 256 colours.
struct SurfaceInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

void Describe(SurfaceInfo& info, int stride, int height, const ColourTable& colours) {
    info.header = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = stride;
    info.header.biHeight = height;  // positive: the first row in memory is the bottom row
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = static_cast<DWORD>(stride) * static_cast<DWORD>(height);
    std::copy(colours.begin(), colours.end(), info.colours);
}
}  // namespace

bool Surfaces::Build(int stride, int height, int count, const ColourTable& colours) {
    Release();
    if (stride <= 0 || height <= 0 || count < 1 || count > kMaxSurfaces) return false;
    SurfaceInfo info;
    Describe(info, stride, height, colours);

    winkit::ScreenDC screen;
    std::array<winkit::Bitmap, kMaxSurfaces> made;
    std::array<BYTE*, kMaxSurfaces> bits{};
    for (int i = 0; i < count; ++i) {
        void* memory = nullptr;
        made[i].reset(CreateDIBSection(screen.get(), reinterpret_cast<const BITMAPINFO*>(&info),
                                       DIB_RGB_COLORS, &memory, nullptr, 0));
        if (!made[i] || !memory) return false;
        bits[i] = static_cast<BYTE*>(memory);
        std::memset(bits[i], 0, static_cast<size_t>(stride) * static_cast<size_t>(height));
    }
    winkit::MemoryDC dc(screen.get());
    if (!dc) return false;

    original_ = SelectObject(dc.get(), made[0].get());
    SetTextAlign(dc.get(), TA_LEFT | TA_BOTTOM);
    SetBkMode(dc.get(), TRANSPARENT);
    bitmaps_ = std::move(made);
    bits_ = bits;
    stride_ = stride;
    height_ = height;
    count_ = count;
    dc_ = std::move(dc);
    return true;
}

void Surfaces::Release() {
    if (dc_) {
        // The surfaces may not be deleted while the context holds one.
        SelectObject(dc_.get(), original_);
        dc_.reset();
    }
    original_ = nullptr;
    for (winkit::Bitmap& bitmap : bitmaps_) bitmap.reset();
    bits_ = {};
    stride_ = height_ = count_ = 0;
}

void Surfaces::Select(int index) {
    if (dc_ && index >= 0 && index < count_) SelectObject(dc_.get(), bitmaps_[index].get());
}

Plane Surfaces::Pixels(int index) const {
    if (index < 0 || index >= count_) return {nullptr, 0, 0};
    return {bits_[index], stride_, height_};
}

std::span<const BYTE> Surfaces::Memory(int index) const {
    if (index < 0 || index >= count_) return {};
    return {bits_[index], static_cast<size_t>(stride_) * static_cast<size_t>(height_)};
}

}  // namespace palette
