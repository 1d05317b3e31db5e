#include "effects/Lanky/LankyFont.h"

void LankyFont::Step() {
    ClearOutput();
    Advance();
    StretchBand(0, Geometry().stride, Factor(Phase()));
}
