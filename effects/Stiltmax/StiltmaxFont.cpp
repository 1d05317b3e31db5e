#include "effects/Stiltmax/StiltmaxFont.h"

#include <algorithm>

void StiltmaxFont::BeforeBuild() { band_.Restart(); }

void StiltmaxFont::Step() {
    Advance();
    // Tested on every frame: a phase frozen past 255 - speed moves the
    // stretching character on each frame.
    band_.Advance(Phase(), block.speed, Characters());
    CopySourceToOutput();
    const int from = BandStart(band_.Index());
    const int to = BandEnd(band_.Index());
    ClearBand(from, to);
    DrewRows({0, std::max(TextTop(), StretchBand(from, to, Factor(Phase())))});
}
