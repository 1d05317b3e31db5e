#include "winkit/ReadableTarget.h"

namespace winkit {

namespace {

// How a scaled target maps logical units to pixels.
constexpr SIZE kScaleLogical{3, 3};
constexpr SIZE kScalePixels{5, 4};

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

int ScaledUp(int logical, LONG pixels, LONG units) { return (logical * pixels + units - 1) / units; }

HBITMAP MakeBitmap(int width, int height, TargetKind kind, BYTE** pixels) {
    switch (kind) {
        case TargetKind::Section8:
            return MakeSection(width, height, 8, pixels);
        case TargetKind::Section32:
            return MakeSection(width, height, 32, pixels);
        case TargetKind::ScaledSection32:
        case TargetKind::Metafile:  // played back at the scaled size
            return MakeSection(ScaledUp(width, kScalePixels.cx, kScaleLogical.cx),
                               ScaledUp(height, kScalePixels.cy, kScaleLogical.cy), 32, pixels);
        case TargetKind::Monochrome:
            return CreateBitmap(width, height, 1, 1, nullptr);
        case TargetKind::ScreenBitmap:
            break;
    }
    const ScreenDC screen;
    return CreateCompatibleBitmap(screen.get(), width, height);
}

// A recording of `logical`, one unit to a pixel of the screen.
RecordingDC Record(const RECT& logical) {
    const ScreenDC screen;
    const auto hundredthsOfMm = [&](LONG pixels, int millimetres, int resolution) {
        return MulDiv(pixels, 100 * GetDeviceCaps(screen.get(), millimetres), GetDeviceCaps(screen.get(), resolution));
    };
    const RECT frame{0, 0, hundredthsOfMm(logical.right, HORZSIZE, HORZRES),
                     hundredthsOfMm(logical.bottom, VERTSIZE, VERTRES)};
    return RecordingDC(screen.get(), frame);
}

}  // namespace

ReadableTarget::ReadableTarget(int width, int height, TargetKind kind, COLORREF paper)
    : dc_(nullptr),
      bitmap_(MakeBitmap(width, height, kind, &pixels_)),
      selection_(dc_.get(), bitmap_.get()),
      kind_(kind),
      logical_{0, 0, width, height},
      recording_(kind == TargetKind::Metafile ? Record(logical_) : RecordingDC()) {
    if (!dc_ || !bitmap_) return;
    BITMAP described{};
    GetObjectW(bitmap_.get(), sizeof described, &described);
    size_ = static_cast<std::size_t>(described.bmWidthBytes) * described.bmHeight;
    if (!pixels_) read_.resize(size_);
    if (kind == TargetKind::ScaledSection32) {
        SetMapMode(dc_.get(), MM_ANISOTROPIC);
        SetWindowExtEx(dc_.get(), kScaleLogical.cx, kScaleLogical.cy, nullptr);
        SetViewportExtEx(dc_.get(), kScalePixels.cx, kScalePixels.cy, nullptr);
    }
    const Brush brush(CreateSolidBrush(paper));
    FillRect(dc(), &logical_, brush.get());
    if (kind != TargetKind::Metafile) return;
    // Where playback leaves a pixel untouched it shows paper too.
    section_ = {0, 0, described.bmWidth, described.bmHeight};
    FillRect(dc_.get(), &section_, brush.get());
}

std::span<const BYTE> ReadableTarget::Pixels() const {
    if (kind_ == TargetKind::Metafile) {
        // Played over what earlier reads played, it shows all that was recorded.
        const EnhMetaFile recorded = recording_.Close();
        recording_ = Record(logical_);
        PlayEnhMetaFile(dc_.get(), recorded.get(), &section_);
    }
    GdiFlush();
    if (pixels_) return {pixels_, size_};
    GetBitmapBits(bitmap_.get(), static_cast<LONG>(read_.size()), read_.data());
    return read_;
}

}  // namespace winkit
