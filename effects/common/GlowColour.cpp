#include "effects/common/GlowColour.h"

namespace palette {

const KeyColour* KeyBeforeLast(const PaletteKeyHead& head) {
    const int keys = KeysInUse(head);
    return keys >= 2 ? &head.keys[keys - 2] : nullptr;
}

void GlowColour::Take(const PaletteKeyHead& head) {
    if (const KeyColour* key = KeyBeforeLast(head)) colour_ = *key;
}

void GlowColour::PutOn(PaletteKeyHead& head) const {
    if (KeyBeforeLast(head)) PutColourOnKey(head, KeysInUse(head) - 2, kPosition, Colour());
}

bool GlowColour::Differs(const PaletteKeyHead& block, const PaletteKeyHead& record) {
    const KeyColour* offered = KeyBeforeLast(record);
    if (!offered) return false;
    const KeyColour* held = KeyBeforeLast(block);
    return !held || !SameColour(*held, *offered);
}

}  // namespace palette
