// The run's text as one text call draws it into an 8-bit surface, captured
// once and stamped from then on, wherever it stands and in whatever colour.
// The platform draws text into 8-bit surfaces without smoothing: a text call
// sets the pixels of its glyphs to the entry nearest the text colour, and
// for an upright font which pixels those are does not depend on where the
// text stands, but for what the surface's edges cut off (UprightFont.h). A
// turned font's text keeps its calls.
//
// The capture is the text call made into a cleared scratch surface with
// room all round, its colours a ramp of greys: smoothed ink would show there
// as more than one entry, and ink on the scratch's border may have been cut;
// either way the text keeps its calls. A colour's entry is what the text call
// itself gives it: the call is made once, cut down to one pixel of ink, in
// the surface's colours, and remembered while those colours stay.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "effects/common/InkSpans.h"
#include "effects/common/PaletteKeys.h"

namespace palette {

class TextStamp {
public:
    // Forgets the capture: for another text, or none.
    void Clear();

    // Puts down the pixels of TextOutA(dc, reference.x, reference.y, bytes)
    // in `colour`, with the context's font, alignment and spacing, into the
    // bottom-up 8-bit section the context holds. The bytes are the same on
    // every call until Clear. False, with nothing drawn, when the text cannot
    // be stamped there: another kind of surface, opaque text, a turned font,
    // a font or alignment other than the captured one, text that could not be
    // captured, or text not captured yet because it was never drawn before;
    // the caller then makes the text call.
    bool Draw(HDC dc, std::string_view bytes, COLORREF colour, POINT reference);

private:
    // How the context draws its text: what a capture holds for.
    struct Setting {
        HGDIOBJ font = nullptr;
        UINT alignment = 0;
        int extra = 0;
        bool operator==(const Setting&) const = default;
    };
    struct KnownEntry {
        COLORREF colour;
        BYTE entry;
    };
    // Text drawn only once (the classes that draw it at a build) is left to
    // its call: the capture is made when the text is drawn a second time.
    enum class State { None, DrawnOnce, Captured, Refused };

    // The text call into the scratch surface; false when it cannot serve.
    bool Capture(std::string_view bytes);
    // The entry the text call gives `colour` on the context's surface.
    std::optional<BYTE> EntryOf(HDC dc, std::string_view bytes, COLORREF colour);
    // Makes a scratch context align and space text as the captured setting
    // says, in `colour` (its font is selected by the caller).
    void Prepare(HDC dc, COLORREF colour) const;

    State state_ = State::None;
    Setting setting_;
    std::vector<InkSpan> spans_;  // about the reference point
    ColourTable colours_{};  // the surface's, for which the known entries hold
    std::array<KnownEntry, 256> known_{};
    std::size_t knownCount_ = 0;
};

}  // namespace palette
