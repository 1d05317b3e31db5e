// The palette-key head that begins every palette effect's property block, and
// the gradient colour table built from its keys. The head is stored in
// documents, so its layout is fixed to the byte.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

namespace palette {

constexpr int kKeySlots = 9;

#pragma pack(push, 1)
struct KeyColour {
    BYTE blue;
    BYTE green;
    BYTE red;
    BYTE reserved;  // stored as it stands
};

struct PaletteKeyHead {
    KeyColour keys[kKeySlots];
    BYTE count;                  // slots in use, 1 to 9 in a sound block
    BYTE positions[kKeySlots];   // palette index of each key, ascending
};
#pragma pack(pop)

static_assert(sizeof(KeyColour) == 4);
static_assert(sizeof(PaletteKeyHead) == 46);
static_assert(offsetof(PaletteKeyHead, keys) == 0);
static_assert(offsetof(PaletteKeyHead, count) == 36);
static_assert(offsetof(PaletteKeyHead, positions) == 37);

// The 256 colours of a surface (blue, green, red, 0).
using ColourTable = std::array<RGBQUAD, 256>;

// One key of a class's default set.
struct DefaultKey {
    BYTE position;
    COLORREF colour;
};

// Slots the gradient may read: a stored count of 0 or above 9 never takes it
// outside the head (the byte itself is kept as stored).
int KeysInUse(const PaletteKeyHead& head);

// Gradients between neighbouring keys, segment by segment; entries outside
// every segment keep their previous colours.
void BuildGradientPalette(const PaletteKeyHead& head, ColourTable& table);

// Writes the count, positions and colours of the default keys; reserved bytes
// and the slots beyond the set keep what the head held.
void SetDefaultPaletteKeys(PaletteKeyHead& head, std::span<const DefaultKey> keys);

// Puts a colour on a key slot at a palette position.
void PutColourOnKey(PaletteKeyHead& head, int slot, BYTE position, COLORREF colour);

bool SameColour(const KeyColour& a, const KeyColour& b);
COLORREF EntryColour(const ColourTable& table, int index);

}  // namespace palette
