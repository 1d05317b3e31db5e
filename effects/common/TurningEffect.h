// What the two turning effects share (the whole text, or one character at a
// time, turned about its middle line): their block, their keys with the run's
// colours on both ends, the text drawn once into a source surface at the
// build, and its redrawing in a turning shade.
#pragma once

#include <cstddef>

#include "effects/common/PaletteEffect.h"

#pragma pack(push, 1)
struct TurningBlock {
    palette::PaletteKeyHead head;
    BYTE speed;  // phase advance per frame
    BYTE useRunColours;
};
#pragma pack(pop)
static_assert(sizeof(TurningBlock) == 48);
static_assert(offsetof(TurningBlock, speed) == 46);
static_assert(offsetof(TurningBlock, useRunColours) == 47);

namespace palette {

class TurningEffect : public PaletteEffect<TurningBlock> {
protected:
    explicit TurningEffect(BYTE defaultSpeed);

    void WriteDefaultParameters() override;
    void TakeParameters(const TurningBlock& record) override;
    // The background on key 0 when the flag is set, the text colour on the last key always.
    void SurfacesBuilt() override;

    // The text drawn at the build, recoloured by drawing it over again.
    static constexpr int kSource = 0;
    // What the frame shows; selected between frames.
    static constexpr int kOutput = 1;
    static constexpr int kTextEntry = 255;

private:
    BYTE defaultSpeed_;
};

}  // namespace palette
