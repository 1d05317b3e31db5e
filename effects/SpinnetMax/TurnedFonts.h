// The run's font turned to every escapement of a run's table: one slot per
// distinct escapement, its font made the first time a frame turns to it.
// A font that draws letters without stamps is held selected in a memory
// context of its own, because the platform keeps a font's rendered glyphs
// only while some context holds it (and a few fonts besides), and a run's
// swing passes through dozens of angles over and over. A font whose letters
// all have stamps is freed: held, it would cost two objects per escapement,
// and a few dozen runs would reach the platform's per-process quota of
// objects.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "effects/common/PhaseTable.h"
#include "winkit/GdiHandles.h"

namespace spinnet {

class TurnedFonts {
public:
    TurnedFonts() = default;
    TurnedFonts(const TurnedFonts&) = delete;
    TurnedFonts& operator=(const TurnedFonts&) = delete;

    // Takes `base` and the distinct escapements of the table; makes no font.
    void Plan(const LOGFONTA& base, const palette::PhaseTable<int>& escapements);
    // Frees every font and forgets the plan.
    void Clear();

    // A slot's font, made and held at the first call; null when the font or
    // its context could not be made (the next call tries again).
    HFONT Font(int slot);
    // Frees a slot's font and its context.
    void Release(int slot);

    // The distinct escapements: 1 to 256 once planned, 0 before.
    int Count() const { return static_cast<int>(slots_.size()); }
    // Which of them a phase turns to: 0 .. Count() - 1.
    int Slot(BYTE phase) const { return slot_[phase]; }

private:
    struct Held {
        int escapement = 0;
        winkit::Font font;
        // Declared after the font, so deleted before it: a context may be
        // deleted with an object selected, an object not while selected.
        winkit::MemoryDC holder;
    };

    LOGFONTA base_{};
    std::vector<Held> slots_;
    palette::PhaseTable<std::uint8_t> slot_{};
};

}  // namespace spinnet
