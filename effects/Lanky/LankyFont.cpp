#include "effects/Lanky/LankyFont.h"

void LankyFont::Step() {
    ClearOutput();
    Advance();
    DrewRows({0, StretchBand(0, Geometry().stride, Factor(Phase()))});
}
