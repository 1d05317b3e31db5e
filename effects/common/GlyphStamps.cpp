#include "effects/common/GlyphStamps.h"

#include <algorithm>
#include <cstring>

#include "winkit/GdiHandles.h"

namespace palette {

namespace {
// Spans keep their places in 16 bits.
constexpr int kLargestSide = 32767;

struct ScratchInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

int StrideOf(int width) { return (width + 3) & ~3; }
}  // namespace

int GlyphReach(HDC dc, HFONT font) {
    TEXTMETRICA metrics{};
    const winkit::Selection selected(dc, font);
    if (!GetTextMetricsA(dc, &metrics)) return 0;
    return metrics.tmHeight + metrics.tmMaxCharWidth + metrics.tmOverhang + 2;
}

void GlyphStamps::Reset(int slots, const Places& places) {
    Clear();
    // A character without a reference point is not drawn.
    const std::size_t count = std::min(places.units.size(), places.references.size());
    units_.assign(places.units.begin(), places.units.begin() + static_cast<std::ptrdiff_t>(count));
    references_.assign(places.references.begin(), places.references.begin() + static_cast<std::ptrdiff_t>(count));
    width_ = places.width;
    height_ = places.height;
    reach_ = places.reach;
    captured_.assign(slots, false);
    glyphs_.assign(static_cast<std::size_t>(slots) * units_.size(), Glyph{});
}

void GlyphStamps::Clear() {
    units_.clear();
    references_.clear();
    width_ = height_ = reach_ = 0;
    captured_.clear();
    glyphs_.clear();
    spans_.clear();
}

GlyphStamps::Window GlyphStamps::WindowAbout(POINT reference) const {
    return {std::max<int>(reference.x - reach_, 0), std::max<int>(reference.y - reach_, 0),
            std::min<int>(reference.x + reach_ + 1, width_), std::min<int>(reference.y + reach_ + 1, height_)};
}

bool GlyphStamps::Capture(int slot, const TextCall& call) {
    if (slot < 0 || slot >= static_cast<int>(captured_.size()) || captured_[slot]) return false;
    captured_[slot] = true;
    // Too large to keep in spans: every glyph of the slot keeps its text call.
    if (width_ <= 0 || height_ <= 0 || width_ > kLargestSide || height_ > kLargestSide || reach_ <= 0) return true;
    ScratchInfo info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width_;
    info.header.biHeight = height_;  // bottom up, as the surfaces
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    std::copy(call.colours.begin(), call.colours.end(), info.colours);
    void* memory = nullptr;
    const winkit::Bitmap scratch(
        CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &memory, nullptr, 0));
    const winkit::MemoryDC dc(nullptr);
    if (!scratch || !memory || !dc) {
        captured_[slot] = false;
        return false;
    }
    const winkit::Selection surface(dc.get(), scratch.get());
    const winkit::Selection font(dc.get(), call.font);
    SetTextAlign(dc.get(), call.alignment);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), call.colour);
    const Plane plane{static_cast<BYTE*>(memory), StrideOf(width_), height_};
    std::memset(plane.pixels, 0, static_cast<std::size_t>(plane.stride) * plane.height);
    Glyph* glyphs = glyphs_.data() + static_cast<std::size_t>(slot) * units_.size();
    const std::size_t firstSpan = spans_.size();
    for (std::size_t i = 0; i < units_.size(); ++i) {
        TextOutW(dc.get(), references_[i].x, references_[i].y, &units_[i], 1);
        GdiFlush();
        glyphs[i] = Scan(plane, WindowAbout(references_[i]));
    }
    const RowRange left = InkedRows(plane);
    if (left.last >= left.first) {
        std::fill(glyphs, glyphs + units_.size(), Glyph{});
        spans_.resize(firstSpan);
    }
    return true;
}

GlyphStamps::Glyph GlyphStamps::Scan(const Plane& scratch, const Window& window) {
    Glyph glyph;
    glyph.first = static_cast<std::uint32_t>(spans_.size());
    bool oneEntry = true;
    for (int row = window.top; row < window.bottom; ++row) {
        BYTE* pixels = scratch.pixels + static_cast<std::ptrdiff_t>(height_ - 1 - row) * scratch.stride;
        for (int x = window.left; x < window.right;) {
            if (!pixels[x]) {
                ++x;
                continue;
            }
            const int start = x;
            if (glyph.count == 0) glyph.entry = pixels[x];
            while (x < window.right && pixels[x]) {
                oneEntry = oneEntry && pixels[x] == glyph.entry;
                ++x;
            }
            spans_.push_back({static_cast<std::int16_t>(row), static_cast<std::int16_t>(start),
                              static_cast<std::int16_t>(x - start)});
            glyph.atEdge = glyph.atEdge || row == 0 || row == height_ - 1 || start == 0 || x == width_;
            glyph.top = static_cast<std::int16_t>(glyph.count == 0 ? row : glyph.top);
            glyph.bottom = static_cast<std::int16_t>(row + 1);
            ++glyph.count;
        }
        std::memset(pixels + window.left, 0, window.right - window.left);
    }
    glyph.stamped = oneEntry;
    if (!glyph.stamped) {
        spans_.resize(glyph.first);
        glyph.count = 0;
    }
    return glyph;
}

bool GlyphStamps::Stamp(int slot, int index, const Plane& surface, RowRange& rows) const {
    const Glyph& glyph = glyphs_[static_cast<std::size_t>(slot) * units_.size() + index];
    if (!glyph.stamped) return false;
    Put(glyph, {0, 0}, surface, rows);
    return true;
}

bool GlyphStamps::StampMoved(int slot, int index, POINT offset, const Plane& surface, RowRange& rows) const {
    const Glyph& glyph = glyphs_[static_cast<std::size_t>(slot) * units_.size() + index];
    if (!glyph.stamped || glyph.atEdge) return false;
    Put(glyph, offset, surface, rows);
    return true;
}

void GlyphStamps::Put(const Glyph& glyph, POINT offset, const Plane& surface, RowRange& rows) const {
    const Span* span = spans_.data() + glyph.first;
    for (std::uint32_t s = 0; s < glyph.count; ++s, ++span) {
        const int row = span->row + offset.y;
        const int from = std::max<int>(span->x + offset.x, 0);
        const int to = std::min<int>(span->x + span->length + offset.x, width_);
        if (row < 0 || row >= height_ || to <= from) continue;
        const int memoryRow = height_ - 1 - row;
        std::memset(surface.pixels + static_cast<std::ptrdiff_t>(memoryRow) * surface.stride + from, glyph.entry,
                    to - from);
        rows.Add(memoryRow);
    }
}

bool GlyphStamps::AllStamped(int slot) const {
    if (!Captured(slot)) return false;
    const auto first = glyphs_.begin() + static_cast<std::ptrdiff_t>(slot * units_.size());
    return std::all_of(first, first + static_cast<std::ptrdiff_t>(units_.size()),
                       [](const Glyph& glyph) { return glyph.stamped; });
}

}  // namespace palette
