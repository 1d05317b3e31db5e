#include "effects/common/Turning.h"

#include <algorithm>
#include <cmath>

namespace palette {

namespace {
PhaseTable<double> Filled(double (*function)(double)) {
    PhaseTable<double> table;
    FillPhaseTable(table, [function](int i) { return function(PhaseAngle(i)); });
    return table;
}
}  // namespace

const PhaseTable<double>& SineTable() {
    static const PhaseTable<double> table = Filled([](double angle) { return std::sin(angle); });
    return table;
}

const PhaseTable<double>& CosineTable() {
    static const PhaseTable<double> table = Filled([](double angle) { return std::cos(angle); });
    return table;
}

int ProjectedRow(double axis, double distance, double turn, int rows) {
    const int row = static_cast<int>(axis + distance * turn);
    return std::clamp(row, 0, std::max(rows - 1, 0));
}

BYTE FacingShade(BYTE phase, double dimming) {
    const BYTE turned = static_cast<BYTE>(2 * phase - 64);
    // The table's peak stays below 1, so the shade stays below 256.
    return static_cast<BYTE>((SineTable()[turned] + 1) * 128 * dimming);
}

}  // namespace palette
