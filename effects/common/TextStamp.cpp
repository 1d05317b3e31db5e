#include "effects/common/TextStamp.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "effects/common/Surfaces.h"
#include "effects/common/UprightFont.h"
#include "winkit/GdiHandles.h"

namespace palette {

namespace {
// Spans keep their places in 16 bits.
constexpr long long kLargestSide = 32767;
// A capture's scratch surface is made once, but not at any size.
constexpr long long kLargestScratch = 16LL << 20;
constexpr BYTE kWhite = 255;

// Entry n is the grey (n, n, n): white is the last entry, and no other
// colour of text could fall on it.
const ColourTable& GreyRamp() {
    static const ColourTable ramp = [] {
        ColourTable colours{};
        for (int n = 0; n < 256; ++n) {
            const BYTE grey = static_cast<BYTE>(n);
            colours[n] = {grey, grey, grey, 0};
        }
        return colours;
    }();
    return ramp;
}

// Where the reference point goes in a scratch surface so that text of
// `extent` aligned as `alignment` lies `margin` pixels inside every edge.
POINT ReferenceInside(UINT alignment, SIZE extent, int ascent, int margin) {
    POINT at{margin, margin};
    if ((alignment & TA_CENTER) == TA_CENTER)
        at.x += extent.cx / 2;
    else if (alignment & TA_RIGHT)
        at.x += extent.cx;
    if ((alignment & TA_BASELINE) == TA_BASELINE)
        at.y += ascent;
    else if (alignment & TA_BOTTOM)
        at.y += extent.cy;
    return at;
}
}  // namespace

void TextStamp::Clear() {
    state_ = State::None;
    setting_ = {};
    spans_.clear();
    knownCount_ = 0;
}

bool TextStamp::Draw(HDC dc, std::string_view bytes, COLORREF colour, POINT reference) {
    DIBSECTION section{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != sizeof section) return false;
    const BITMAP& bitmap = section.dsBm;
    if (section.dsBmih.biBitCount != 8 || section.dsBmih.biCompression != BI_RGB || section.dsBmih.biHeight <= 0 ||
        !bitmap.bmBits || GetBkMode(dc) != TRANSPARENT)
        return false;
    const Setting setting{GetCurrentObject(dc, OBJ_FONT), GetTextAlign(dc), GetTextCharacterExtra(dc)};
    if (state_ == State::None) {
        state_ = State::DrawnOnce;
        return false;
    }
    if (state_ == State::DrawnOnce) {
        setting_ = setting;
        state_ = Capture(bytes) ? State::Captured : State::Refused;
    }
    if (state_ != State::Captured || setting != setting_) return false;
    const std::optional<BYTE> entry = EntryOf(dc, bytes, colour);
    if (!entry) return false;
    // Drawing still queued for the surface lands before the stamp does.
    GdiFlush();
    RowRange rows;
    PutInk(spans_, *entry, reference, {static_cast<BYTE*>(bitmap.bmBits), bitmap.bmWidthBytes, bitmap.bmHeight},
           bitmap.bmWidth, rows);
    return true;
}

void TextStamp::Prepare(HDC dc, COLORREF colour) const {
    SetTextAlign(dc, setting_.alignment);
    SetTextCharacterExtra(dc, setting_.extra);
    SetTextColor(dc, colour);
}

bool TextStamp::Capture(std::string_view bytes) {
    // The current position moves with every call: no two calls stand alike.
    if (bytes.empty() || (setting_.alignment & TA_UPDATECP) || !IsUpright(static_cast<HFONT>(setting_.font)))
        return false;
    const winkit::MemoryDC measuring(nullptr);
    const winkit::Selection measured(measuring.get(), setting_.font);
    SetTextCharacterExtra(measuring.get(), setting_.extra);
    TEXTMETRICA metrics{};
    SIZE extent{};
    if (!GetTextMetricsA(measuring.get(), &metrics) ||
        !GetTextExtentPoint32A(measuring.get(), bytes.data(), static_cast<int>(bytes.size()), &extent))
        return false;
    // Room beyond the cells for overhangs and ink outside them.
    const long long margin = metrics.tmHeight + metrics.tmMaxCharWidth + metrics.tmOverhang + 2;
    const long long width = extent.cx + 2 * margin, height = extent.cy + 2 * margin;
    if (width > kLargestSide || height > kLargestSide || width * height > kLargestScratch) return false;
    winkit::MemoryDC context;
    Surfaces scratch{context};
    if (!scratch.Build(StrideFor(static_cast<int>(width)), static_cast<int>(height), 1, GreyRamp())) return false;
    const POINT origin = ReferenceInside(setting_.alignment, extent, metrics.tmAscent, static_cast<int>(margin));
    const Plane plane = scratch.Pixels(0);
    {
        const winkit::Selection font(context.get(), setting_.font);
        Prepare(context.get(), RGB(kWhite, kWhite, kWhite));
        TextOutA(context.get(), origin.x, origin.y, bytes.data(), static_cast<int>(bytes.size()));
        GdiFlush();
    }
    try {
        const InkFound found = ScanInk(plane, plane.stride, {0, 0, plane.stride, plane.height}, origin, spans_);
        if (found.oneEntry && (found.count == 0 || found.entry == kWhite) && !found.atEdge) return true;
    } catch (const std::bad_alloc&) {
        // Too little memory for the spans: the text keeps its calls.
    }
    spans_.clear();
    spans_.shrink_to_fit();
    return false;
}

std::optional<BYTE> TextStamp::EntryOf(HDC dc, std::string_view bytes, COLORREF colour) {
    // Text without ink sets nothing, whatever its entry.
    if (spans_.empty()) return BYTE{0};
    // Surfaces of the palette effects hold all 256 entries; the probe holds the same.
    ColourTable colours;
    if (GetDIBColorTable(dc, 0, 256, colours.data()) != colours.size()) return std::nullopt;
    if (std::memcmp(colours.data(), colours_.data(), sizeof colours) != 0) {
        colours_ = colours;
        knownCount_ = 0;
    }
    const auto known = std::find_if(known_.begin(), known_.begin() + knownCount_,
                                    [colour](const KnownEntry& k) { return k.colour == colour; });
    if (known != known_.begin() + knownCount_) return known->entry;
    if (knownCount_ == known_.size()) return std::nullopt;
    // The first pixel of the ink, where the text call puts the entry.
    winkit::MemoryDC context;
    Surfaces probe{context};
    if (!probe.Build(StrideFor(1), 1, 1, colours_)) return std::nullopt;
    {
        const winkit::Selection font(context.get(), setting_.font);
        Prepare(context.get(), colour);
        TextOutA(context.get(), -spans_.front().x, -spans_.front().row, bytes.data(), static_cast<int>(bytes.size()));
        GdiFlush();
    }
    known_[knownCount_++] = {colour, probe.Pixels(0).pixels[0]};
    return known_[knownCount_ - 1].entry;
}

}  // namespace palette
