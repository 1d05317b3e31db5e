// The run's characters as a turned font's text calls draw them into the
// 8-bit surface, captured once per (escapement, character) and stamped from
// then on. The platform draws text into 8-bit surfaces without smoothing: a
// text call sets the pixels of its glyph to the entry nearest the text
// colour and leaves the rest. A capture is that very call, made into a
// cleared scratch surface of the same size, colours, alignment and font, at
// the character's own reference point (the platform's clipping of turned
// text is not the same about every point near an edge, so a glyph is never
// moved); its stamp puts the same entry on the same pixels. Each capture
// looks at the part of the scratch surface about its reference point that a
// glyph may reach; ink left anywhere once every character was looked at
// means a glyph reached further, and then none of that escapement's glyphs
// has a stamp. Nor has a glyph whose pixels are not all one entry. The caller
// draws a glyph without a stamp with its text call.
//
// An upright font's glyph is the same wherever it is drawn, but for what the
// surface's edges cut off: such a glyph may be stamped moved, unless its
// capture touched an edge.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "effects/common/InkSpans.h"
#include "effects/common/Kernels.h"
#include "effects/common/PaletteKeys.h"
#include "effects/common/RowRange.h"

namespace palette {

// How the text calls draw: the font, the text colour, the alignment, and
// the surface's colours.
struct TextCall {
    HFONT font;
    COLORREF colour;
    UINT alignment;
    const ColourTable& colours;
};

// Where the characters stand: the run's UTF-16 units, each unit's reference
// point in the surface's context, the surface's size in pixels (its width
// is its stride, as Surfaces makes them), and how far a glyph may reach from
// its reference point.
struct Places {
    std::wstring_view units;
    std::span<const POINT> references;
    int width;
    int height;
    int reach;
};

// How far a glyph of `font` may reach from its reference point, whatever
// the alignment and escapement: every point of a letter's cell lies within
// its height and half its width of the reference point, however it turns;
// the cell's widest letter and a little more for ink outside the cell. 0
// when the font cannot be measured on `dc`.
int GlyphReach(HDC dc, HFONT font);

class GlyphStamps {
public:
    // Forgets every capture: `slots` escapements for the characters at `places`.
    void Reset(int slots, const Places& places);
    void Clear();

    bool Captured(int slot) const { return slot >= 0 && slot < static_cast<int>(captured_.size()) && captured_[slot]; }
    // Captures every character with the call of one slot. False when the
    // scratch surface could not be made; the slot then stays uncaptured.
    bool Capture(int slot, const TextCall& call);
    // Stamps character `index`, captured in `slot`, into the surface (rows
    // bottom up, as large as the places said) and adds the rows it reaches,
    // in memory order, to `rows`. False, with nothing stamped, when it has no stamp.
    bool Stamp(int slot, int index, const Plane& surface, RowRange& rows) const;
    // The same, moved by `offset` (across, down) and cut at the surface's
    // edges, for upright fonts. False, with nothing stamped, also when the
    // capture touched an edge of the surface.
    bool StampMoved(int slot, int index, POINT offset, const Plane& surface, RowRange& rows) const;
    // Every character of a captured slot has a stamp: frames of that slot
    // make no text call.
    bool AllStamped(int slot) const;

private:
    struct Glyph {
        std::uint32_t first = 0;  // into spans_
        std::uint32_t count = 0;
        BYTE entry = 0;
        bool stamped = false;
        bool atEdge = false;  // its capture touched an edge of the surface
    };
    // The part of the scratch surface a character's glyph may reach.
    InkWindow WindowAbout(POINT reference) const;
    // Takes the glyph's spans from the scratch surface's window and clears it.
    Glyph Scan(const Plane& scratch, const InkWindow& window);
    // Puts a glyph's spans down moved by `offset`, within the surface.
    void Put(const Glyph& glyph, POINT offset, const Plane& surface, RowRange& rows) const;

    std::wstring units_;
    std::vector<POINT> references_;
    int width_ = 0;
    int height_ = 0;
    int reach_ = 0;
    std::vector<bool> captured_;  // per slot
    std::vector<Glyph> glyphs_;   // slot by slot, character by character
    std::vector<InkSpan> spans_;
};

}  // namespace palette
