#include "effects/common/GlyphStamps.h"

#include <algorithm>

#include "effects/common/Surfaces.h"
#include "winkit/GdiHandles.h"

namespace palette {

namespace {
// Spans keep their places in 16 bits.
constexpr int kLargestSide = 32767;
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

InkWindow GlyphStamps::WindowAbout(POINT reference) const {
    return {std::max<int>(reference.x - reach_, 0), std::max<int>(reference.y - reach_, 0),
            std::min<int>(reference.x + reach_ + 1, width_), std::min<int>(reference.y + reach_ + 1, height_)};
}

bool GlyphStamps::Capture(int slot, const TextCall& call) {
    if (slot < 0 || slot >= static_cast<int>(captured_.size()) || captured_[slot]) return false;
    captured_[slot] = true;
    // Too large to keep in spans: every glyph of the slot keeps its text call.
    if (width_ <= 0 || height_ <= 0 || width_ > kLargestSide || height_ > kLargestSide || reach_ <= 0) return true;
    winkit::MemoryDC context;
    Surfaces scratch{context};
    if (!scratch.Build(width_, height_, 1, call.colours)) {
        captured_[slot] = false;
        return false;
    }
    const HDC dc = context.get();
    const winkit::Selection font(dc, call.font);
    SetTextAlign(dc, call.alignment);
    SetTextColor(dc, call.colour);
    const Plane plane = scratch.Pixels(0);
    Glyph* glyphs = glyphs_.data() + static_cast<std::size_t>(slot) * units_.size();
    const std::size_t firstSpan = spans_.size();
    for (std::size_t i = 0; i < units_.size(); ++i) {
        TextOutW(dc, references_[i].x, references_[i].y, &units_[i], 1);
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

GlyphStamps::Glyph GlyphStamps::Scan(const Plane& scratch, const InkWindow& window) {
    Glyph glyph;
    glyph.first = static_cast<std::uint32_t>(spans_.size());
    const InkFound found = ScanInk(scratch, width_, window, {0, 0}, spans_);
    glyph.stamped = found.oneEntry;
    if (!glyph.stamped) {
        spans_.resize(glyph.first);
        return glyph;
    }
    glyph.count = found.count;
    glyph.entry = found.entry;
    glyph.atEdge = found.atEdge;
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
    PutInk({spans_.data() + glyph.first, glyph.count}, glyph.entry, offset, surface, width_, rows);
}

bool GlyphStamps::AllStamped(int slot) const {
    if (!Captured(slot)) return false;
    const auto first = glyphs_.begin() + static_cast<std::ptrdiff_t>(slot * units_.size());
    return std::all_of(first, first + static_cast<std::ptrdiff_t>(units_.size()),
                       [](const Glyph& glyph) { return glyph.stamped; });
}

}  // namespace palette
