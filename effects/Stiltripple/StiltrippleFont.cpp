#include "effects/Stiltripple/StiltrippleFont.h"

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
    for (int b = 0; b < Characters(); ++b) {
        const auto phase = static_cast<BYTE>(static_cast<std::uint32_t>(b) * step + Phase());
        StretchBand(BandStart(b), BandEnd(b), Factor(phase));
    }
}
