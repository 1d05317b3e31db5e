#include "effects/common/TextStamp.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "effects/common/ScratchSurface.h"
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
const std::array<RGBQUAD, 256>& GreyRamp() {
    static const std::array<RGBQUAD, 256> ramp = [] {
        std::array<RGBQUAD, 256> colours{};
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
    colourCount_ = 0;
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
    if (bytes.empty() || (setting_.alignment & TA_UPDATECP)) return false;
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
    const ScratchSurface scratch(static_cast<int>(width), static_cast<int>(height), GreyRamp());
    if (!scratch) return false;
    const POINT origin = ReferenceInside(setting_.alignment, extent, metrics.tmAscent, static_cast<int>(margin));
    {
        const winkit::Selection font(scratch.Context(), setting_.font);
        Prepare(scratch.Context(), RGB(kWhite, kWhite, kWhite));
        TextOutA(scratch.Context(), origin.x, origin.y, bytes.data(), static_cast<int>(bytes.size()));
        GdiFlush();
    }
    try {
        const InkFound found = ScanInk(scratch.Pixels(), static_cast<int>(width),
                                       {0, 0, static_cast<int>(width), static_cast<int>(height)}, origin, spans_);
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
    std::array<RGBQUAD, 256> colours;
    const UINT count = GetDIBColorTable(dc, 0, 256, colours.data());
    if (count != colourCount_ || std::memcmp(colours.data(), colours_.data(), count * sizeof(RGBQUAD)) != 0) {
        colours_ = colours;
        colourCount_ = count;
        knownCount_ = 0;
    }
    const auto known = std::find_if(known_.begin(), known_.begin() + knownCount_,
                                    [colour](const KnownEntry& k) { return k.colour == colour; });
    if (known != known_.begin() + knownCount_) return known->entry;
    if (knownCount_ == known_.size() || count == 0) return std::nullopt;
    // One pixel: the first of the ink, where the text call puts the entry.
    const ScratchSurface probe(1, 1, {colours_.data(), count});
    if (!probe) return std::nullopt;
    {
        const winkit::Selection font(probe.Context(), setting_.font);
        Prepare(probe.Context(), colour);
        TextOutA(probe.Context(), -spans_.front().x, -spans_.front().row, bytes.data(), static_cast<int>(bytes.size()));
        GdiFlush();
    }
    known_[knownCount_++] = {colour, probe.Pixels().pixels[0]};
    return known_[knownCount_ - 1].entry;
}

}  // namespace palette
