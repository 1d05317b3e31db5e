// The run's text as the palette effects draw it into their surfaces: the
// font from the host's font cache (the cache owns it), the text in the ANSI
// code page and in UTF-16, and, for the classes that draw one character at a
// time, where each character stands. Taken at every surface build: the hosts
// call ChangeParagraph after every change of text or font, which rebuilds, so
// the frames draw without asking the run or allocating.
#pragma once

#include <string>
#include <vector>

#include "contract/contract.h"
#include "effectbase/TextExtent.h"
#include "effects/common/TextStamp.h"
#include "winkit/DcState.h"
#include "winkit/GdiHandles.h"

namespace palette {

class SurfaceText {
public:
    void Take(const effectbase::TextExtent& run);
    // The left edge of every character and the end of the last, from the
    // effect's own GetWidth (so with its margin).
    void TakePlaces(IViviFont& effect);
    void Clear();

    HFONT Font() const { return font_; }
    const std::string& Bytes() const { return bytes_; }
    const std::wstring& Characters() const { return characters_; }
    // Characters with a place: 0 until the places are taken.
    int PlacedCount() const { return places_.empty() ? 0 : static_cast<int>(places_.size()) - 1; }
    // i in 0 .. PlacedCount().
    int Place(int i) const { return places_[i]; }
    // The text as drawn in the run's font, kept from its second drawing on.
    TextStamp& Stamp() const { return stamp_; }

private:
    HFONT font_ = nullptr;
    std::string bytes_;
    std::wstring characters_;
    std::vector<int> places_;
    mutable TextStamp stamp_;
};

// The run's font selected into a surface context for a frame's drawing; the
// previous font goes back at scope end.
class TextPen {
public:
    // In the run's font: the whole text is stamped where it can be.
    TextPen(HDC dc, const SurfaceText& text);
    // With a font of the class's own (the caller keeps it alive): text calls.
    TextPen(HDC dc, const SurfaceText& text, HFONT font);

    // Draws the text from column `x` with its bottom on `baseline` (the
    // context is bottom-aligned) in the colour of a palette entry, leaving
    // that colour the context's text colour; the surface's bits are up to
    // date when it returns.
    void Draw(COLORREF colour, int baseline, int x = 0) const;

    // Draws each UTF-16 code unit by itself (a surrogate half too): unit i
    // with its reference point, as `alignment` places it, at its place plus
    // offsetOf(i) across and `baseline` plus offsetOf(i) down. offsetOf runs
    // once per unit, in order.
    template <class Offset>
    void DrawCharacters(COLORREF colour, UINT alignment, int baseline, Offset&& offsetOf) const {
        const wchar_t* units = text_.Characters().data();
        SetTextColor(dc_, colour);
        {
            const winkit::TextAlignment aligned(dc_, alignment);
            for (int i = 0; i < text_.PlacedCount(); ++i) {
                const POINT offset = offsetOf(i);
                TextOutW(dc_, text_.Place(i) + offset.x, baseline + offset.y, units + i, 1);
            }
        }
        GdiFlush();
    }

private:
    HDC dc_;
    const SurfaceText& text_;
    winkit::Selection font_;
    TextStamp* stamp_ = nullptr;
};

}  // namespace palette
