// The colour some classes keep of the key before the last in use (the tube
// of the neon, the halo of the beating glow): taken from stored and edited
// key heads, and put back on every rebuilt palette, so that it survives the
// default keys each build writes.
#pragma once

#include "effects/common/PaletteKeys.h"

namespace palette {

// The key before the last one in use; null when fewer than two keys are in use.
const KeyColour* KeyBeforeLast(const PaletteKeyHead& head);

class GlowColour {
public:
    static constexpr BYTE kPosition = 128;

    // Takes the head's key before the last; a head with fewer than two keys
    // in use has none, and the previous colour stays.
    void Take(const PaletteKeyHead& head);
    // Puts the colour on the key before the last, in the middle of the palette.
    void PutOn(PaletteKeyHead& head) const;
    // Whether a record brings a colour of its own for that key: a record
    // without such a key never does.
    static bool Differs(const PaletteKeyHead& block, const PaletteKeyHead& record);

    COLORREF Colour() const { return RGB(colour_.red, colour_.green, colour_.blue); }

private:
    KeyColour colour_{};
};

}  // namespace palette
