// Phase tables: 256 entries indexed by an unsigned 8-bit phase that advances
// by an unsigned-byte speed and wraps modulo 256. Entry i is made from the
// sine or cosine of i * kPhaseStep, a constant slightly below 2 pi / 256, so
// that a peak entry stays just below 1.
#pragma once

#include <array>

namespace palette {

constexpr double kPhaseStep = 0.0245436;

template <class Entry>
using PhaseTable = std::array<Entry, 256>;

constexpr double PhaseAngle(int index) { return index * kPhaseStep; }

// Fills a table entry by entry from the entry's index.
template <class Entry, class Make>
void FillPhaseTable(PhaseTable<Entry>& table, Make&& make) {
    for (int i = 0; i < 256; ++i) table[i] = make(i);
}

}  // namespace palette
