// Leaning the text about its baseline: every row shifted sideways in
// proportion to its height, by an offset that follows a sine. The text is
// drawn `amplitude` columns in from each side of a surface widened by twice
// the amplitude, so no shift within the amplitude loses a column. Used by
// Sway and Singing.
#pragma once

#include <windows.h>

#include <cmath>

#include "effects/common/PhaseTable.h"
#include "effects/common/RowCopy.h"

namespace palette {

// An amplitude of 0 stands for the low 8 bits of the text height. Until a
// build writes that into the block, the margin follows the run's height as
// it stands, so a size set after the binding still counts.
inline BYTE LeanAmplitude(BYTE stored, int textHeight) {
    return stored != 0 ? stored : static_cast<BYTE>(textHeight);
}

class Lean {
public:
    // At a build: the amplitude the surfaces were made with and its table.
    void Build(int amplitude) {
        amplitude_ = amplitude;
        FillPhaseTable(offsets_, [amplitude](int i) { return std::sin(PhaseAngle(i)) * amplitude; });
    }
    int Amplitude() const { return amplitude_; }
    // The offset of the top row at a phase.
    double Offset(BYTE phase) const { return offsets_[phase]; }

    // The shift of row `row` (1 for the bottom row) of `rows` under `offset`.
    static int Shift(double offset, int row, int rows) { return static_cast<int>(offset * row / rows); }

    // Copies a source row's text columns (amplitude .. stride - amplitude - 1)
    // into an output row moved by `shift`; columns carried off the row drop.
    void CopyRow(const BYTE* source, BYTE* output, int stride, int shift) const {
        CopyRowShifted(source, output, stride, amplitude_, stride - amplitude_, shift, [](BYTE pixel) { return pixel; });
    }

private:
    PhaseTable<double> offsets_{};
    int amplitude_ = 0;
};

}  // namespace palette
