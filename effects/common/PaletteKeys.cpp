#include "effects/common/PaletteKeys.h"

#include <algorithm>

namespace palette {

int KeysInUse(const PaletteKeyHead& head) { return std::min<int>(head.count, kKeySlots); }

namespace {
// One gradient segment from key `from` to the next slot.
void WriteSegment(const PaletteKeyHead& head, int from, ColourTable& table) {
    const int start = head.positions[from];
    const int end = head.positions[from + 1];
    if (end < start) return;
    const KeyColour& a = head.keys[from];
    const KeyColour& b = head.keys[from + 1];
    const int span = end - start;
    auto step = [span](BYTE first, BYTE last) {
        return span == 0 ? 0.0 : static_cast<double>(int{last} - int{first}) / span;
    };
    const double blue = step(a.blue, b.blue);
    const double green = step(a.green, b.green);
    const double red = step(a.red, b.red);
    for (int i = 0; i <= span; ++i) {
        RGBQUAD& entry = table[start + i];
        // The product is truncated toward zero, then taken modulo 256.
        entry.rgbBlue = static_cast<BYTE>(a.blue + static_cast<int>(i * blue));
        entry.rgbGreen = static_cast<BYTE>(a.green + static_cast<int>(i * green));
        entry.rgbRed = static_cast<BYTE>(a.red + static_cast<int>(i * red));
        entry.rgbReserved = 0;
    }
}
}  // namespace

void BuildGradientPalette(const PaletteKeyHead& head, ColourTable& table) {
    const int keys = KeysInUse(head);
    // A single key still runs the one segment to the second slot.
    const int segments = keys == 1 ? 1 : std::max(keys - 1, 0);
    for (int k = 0; k < segments; ++k) WriteSegment(head, k, table);
}

void SetDefaultPaletteKeys(PaletteKeyHead& head, std::span<const DefaultKey> keys) {
    const int count = std::min<int>(static_cast<int>(keys.size()), kKeySlots);
    head.count = static_cast<BYTE>(count);
    for (int slot = 0; slot < count; ++slot) PutColourOnKey(head, slot, keys[slot].position, keys[slot].colour);
}

void PutColourOnKey(PaletteKeyHead& head, int slot, BYTE position, COLORREF colour) {
    if (slot < 0 || slot >= kKeySlots) return;
    KeyColour& key = head.keys[slot];
    key.blue = GetBValue(colour);
    key.green = GetGValue(colour);
    key.red = GetRValue(colour);
    head.positions[slot] = position;
}

bool SameColour(const KeyColour& a, const KeyColour& b) {
    return a.blue == b.blue && a.green == b.green && a.red == b.red;
}

COLORREF EntryColour(const ColourTable& table, int index) {
    const RGBQUAD& entry = table[static_cast<BYTE>(index)];
    return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

}  // namespace palette
