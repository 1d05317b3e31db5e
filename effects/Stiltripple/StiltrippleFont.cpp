#include "effects/Stiltripple/StiltrippleFont.h"

#include <algorithm>

void StiltrippleFont::WriteDefaultParameters() {
    StretchEffect::WriteDefaultParameters();
    block.phaseStep = -30;
}

void StiltrippleFont::TakeParameters(const StiltrippleBlock& record) {
    StretchEffect::TakeParameters(record);
    block.phaseStep = record.phaseStep;
}

void StiltrippleFont::Step() {
    ClearOutput();
    Advance();
    // Phases wrap modulo 256; unsigned arithmetic keeps any stored step from
    // overflowing on a long text.
    const auto step = static_cast<std::uint32_t>(block.phaseStep);
    int top = -1;
    for (int b = 0; b < Characters(); ++b) {
        const auto phase = static_cast<BYTE>(static_cast<std::uint32_t>(b) * step + Phase());
        top = std::max(top, StretchBand(BandStart(b), BandEnd(b), Factor(phase)));
    }
    DrewRows({0, top});
}
