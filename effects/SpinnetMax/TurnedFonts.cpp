#include "effects/SpinnetMax/TurnedFonts.h"

#include <algorithm>

namespace spinnet {

bool TurnedFonts::Make(const LOGFONTA& base, const palette::PhaseTable<int>& escapements) {
    Clear();
    std::vector<int> distinct(escapements.begin(), escapements.end());
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    held_.reserve(distinct.size());
    for (const int escapement : distinct) {
        LOGFONTA turned = base;
        turned.lfEscapement = escapement;
        Held held{escapement, winkit::Font(CreateFontIndirectA(&turned)), winkit::MemoryDC(nullptr)};
        if (!held.font || !held.holder || !SelectObject(held.holder.get(), held.font.get())) {
            Clear();
            return false;
        }
        held_.push_back(std::move(held));
    }
    for (int phase = 0; phase < 256; ++phase) {
        const auto found = std::lower_bound(distinct.begin(), distinct.end(), escapements[phase]);
        slot_[phase] = static_cast<std::uint8_t>(found - distinct.begin());
    }
    return true;
}

void TurnedFonts::Clear() {
    held_.clear();
    slot_ = {};
}

}  // namespace spinnet
