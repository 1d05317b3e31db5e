#include "effects/common/Surfaces.h"

#include <algorithm>
#include <cstring>

namespace palette {

namespace {
// A BITMAPINFO with room for 256 colours; 24-bit surfaces use none of them.
struct SurfaceInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

int RowBytes(SurfaceFormat format, int stride) { return PixelBytes(format) * stride; }

void Describe(SurfaceInfo& info, SurfaceFormat format, int stride, int height, const ColourTable& colours) {
    info.header = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = stride;
    info.header.biHeight = height;  // positive: the first row in memory is the bottom row
    info.header.biPlanes = 1;
    info.header.biBitCount = format == SurfaceFormat::Rgb24 ? 24 : 8;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = static_cast<DWORD>(RowBytes(format, stride)) * static_cast<DWORD>(height);
    std::copy(colours.begin(), colours.end(), info.colours);
}

// Each context holds a surface of its own, and there is at least one of each.
bool Sound(const SurfaceSet& set) {
    if (set.count < 1 || set.count > SurfaceSet::kMaxSurfaces) return false;
    if (set.contexts < 1 || set.contexts > SurfaceSet::kMaxContexts) return false;
    for (int c = 0; c < set.contexts; ++c) {
        if (set.held[c] < 0 || set.held[c] >= set.count) return false;
        for (int other = 0; other < c; ++other)
            if (set.held[other] == set.held[c]) return false;
    }
    return true;
}

size_t Bytes(int rowBytes, int height) { return static_cast<size_t>(rowBytes) * static_cast<size_t>(height); }
}  // namespace

bool Surfaces::Build(int stride, int height, const SurfaceSet& set, const ColourTable& colours) {
    Release();
    if (stride <= 0 || height <= 0 || !Sound(set)) return false;
    SurfaceInfo info;

    winkit::ScreenDC screen;
    std::array<winkit::Bitmap, SurfaceSet::kMaxSurfaces> made;
    std::array<BYTE*, SurfaceSet::kMaxSurfaces> bits{};
    std::array<int, SurfaceSet::kMaxSurfaces> rowBytes{};
    for (int i = 0; i < set.count; ++i) {
        const SurfaceFormat format = set.formats[i];
        if (format == SurfaceFormat::Mono) {
            made[i].reset(CreateBitmap(stride, height, 1, 1, nullptr));
            if (!made[i]) return false;
            continue;
        }
        Describe(info, format, stride, height, colours);
        void* memory = nullptr;
        made[i].reset(CreateDIBSection(screen.get(), reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &memory, nullptr, 0));
        if (!made[i] || !memory) return false;
        bits[i] = static_cast<BYTE*>(memory);
        rowBytes[i] = RowBytes(format, stride);
        std::memset(bits[i], 0, Bytes(rowBytes[i], height));
    }
    // Declared after the surfaces: on a failure the contexts go first.
    std::array<winkit::MemoryDC, SurfaceSet::kMaxContexts> dcs;
    std::array<HGDIOBJ, SurfaceSet::kMaxContexts> original{};
    for (int c = 0; c < set.contexts; ++c) {
        dcs[c] = winkit::MemoryDC(screen.get());
        if (!dcs[c]) return false;
        original[c] = SelectObject(dcs[c].get(), made[set.held[c]].get());
        if (!original[c]) return false;
        SetTextAlign(dcs[c].get(), TA_LEFT | TA_BOTTOM);
        SetBkMode(dcs[c].get(), TRANSPARENT);
    }

    bitmaps_ = std::move(made);
    bits_ = bits;
    rowBytes_ = rowBytes;
    original_ = original;
    height_ = height;
    count_ = set.count;
    contexts_ = set.contexts;
    dc_ = std::move(dcs[0]);
    for (int c = 1; c < set.contexts; ++c) extraDCs_[c - 1] = std::move(dcs[c]);
    return true;
}

void Surfaces::Release() {
    // No surface may be deleted while a context holds it.
    for (int c = 0; c < contexts_; ++c)
        if (HDC dc = Context(c)) SelectObject(dc, original_[c]);
    for (winkit::MemoryDC& dc : extraDCs_) dc.reset();
    dc_.reset();
    original_ = {};
    for (winkit::Bitmap& bitmap : bitmaps_) bitmap.reset();
    bits_ = {};
    rowBytes_ = {};
    height_ = count_ = contexts_ = 0;
}

void Surfaces::Select(int index) {
    if (dc_ && index >= 0 && index < count_) SelectObject(dc_.get(), bitmaps_[index].get());
}

HDC Surfaces::Context(int index) const {
    if (index < 0 || index >= contexts_) return nullptr;
    return index == 0 ? dc_.get() : extraDCs_[index - 1].get();
}

Plane Surfaces::Pixels(int index) const {
    if (index < 0 || index >= count_ || !bits_[index]) return {nullptr, 0, 0};
    return {bits_[index], rowBytes_[index], height_};
}

std::span<const BYTE> Surfaces::Memory(int index) const {
    if (index < 0 || index >= count_ || !bits_[index]) return {};
    return {bits_[index], Bytes(rowBytes_[index], height_)};
}

void Surfaces::Clear(int index) {
    if (index < 0 || index >= count_ || !bits_[index]) return;
    GdiFlush();
    std::memset(bits_[index], 0, Bytes(rowBytes_[index], height_));
}

}  // namespace palette
