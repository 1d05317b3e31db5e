// The run's font turned to every escapement of a run's table: one font per
// distinct escapement, made when the run is built. Each is held selected in
// a memory context of its own, because the platform keeps a font's rendered
// glyphs only while some context holds it (and a few fonts besides), and a
// run's swing passes through dozens of angles over and over.
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

    // Makes `base` turned to each distinct escapement of the table. False
    // when a font or a context could not be made; nothing is kept then.
    bool Make(const LOGFONTA& base, const palette::PhaseTable<int>& escapements);
    void Clear();

    // The font of a phase's escapement; null when none were made.
    HFONT At(BYTE phase) const { return held_.empty() ? nullptr : held_[slot_[phase]].font.get(); }
    // The distinct escapements: 1 to 256 once made, 0 before.
    int Count() const { return static_cast<int>(held_.size()); }
    // Which of them a phase turns to: 0 .. Count() - 1.
    int Slot(BYTE phase) const { return slot_[phase]; }

private:
    struct Held {
        int escapement;
        winkit::Font font;
        // Declared after the font, so deleted before it: a context may be
        // deleted with an object selected, an object not while selected.
        winkit::MemoryDC holder;
    };

    std::vector<Held> held_;
    palette::PhaseTable<std::uint8_t> slot_{};
};

}  // namespace spinnet
