// Turning a picture about a horizontal line, as if it were painted on a drum:
// the row each row lands on, and the shade of a face that turns away. The
// turning and bowing effects share it.
#pragma once

#include <windows.h>

#include "effects/common/PhaseTable.h"

namespace palette {

// sin and cos of i * kPhaseStep, filled once per module.
const PhaseTable<double>& SineTable();
const PhaseTable<double>& CosineTable();

// Where a row `distance` rows from a horizontal axis lands when the picture
// turns so that distances scale by `turn` (-1 .. 1): axis + distance * turn,
// truncated toward zero, and never outside the rows 0 .. rows - 1.
int ProjectedRow(double axis, double distance, double turn, int rows);

// The same about the middle line of `rows` rows, for row number i counted
// from 1 in memory order.
inline int MiddleLineRow(int rows, int i, double turn) {
    return ProjectedRow(rows * 0.5, i - rows * 0.5, turn, rows);
}

// The palette entry of a face at a turning phase: (sin of the doubled phase
// turned back by a quarter, + 1) * 128, times `dimming` before truncation.
// The table index is taken as a byte, so it never goes negative.
BYTE FacingShade(BYTE phase, double dimming);

}  // namespace palette
