#include "effects/SpinnetMax/TurnedFonts.h"

#include <algorithm>

namespace spinnet {

void TurnedFonts::Plan(const LOGFONTA& base, const palette::PhaseTable<int>& escapements) {
    Clear();
    base_ = base;
    std::vector<int> distinct(escapements.begin(), escapements.end());
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    slots_.resize(distinct.size());
    for (std::size_t i = 0; i < distinct.size(); ++i) slots_[i].escapement = distinct[i];
    for (int phase = 0; phase < 256; ++phase) {
        const auto found = std::lower_bound(distinct.begin(), distinct.end(), escapements[phase]);
        slot_[phase] = static_cast<std::uint8_t>(found - distinct.begin());
    }
}

void TurnedFonts::Clear() {
    slots_.clear();
    slot_ = {};
}

HFONT TurnedFonts::Font(int slot) {
    if (slot < 0 || slot >= Count()) return nullptr;
    Held& held = slots_[slot];
    if (held.font) return held.font.get();
    LOGFONTA turned = base_;
    turned.lfEscapement = held.escapement;
    winkit::Font font(CreateFontIndirectA(&turned));
    winkit::MemoryDC holder(nullptr);
    if (!font || !holder || !SelectObject(holder.get(), font.get())) return nullptr;
    held.font = std::move(font);
    held.holder = std::move(holder);
    return held.font.get();
}

void TurnedFonts::Release(int slot) {
    if (slot < 0 || slot >= Count()) return;
    slots_[slot].holder.reset();
    slots_[slot].font.reset();
}

}  // namespace spinnet
