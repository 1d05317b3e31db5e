#include "effects/common/TurningEffect.h"

namespace palette {

namespace {
constexpr DefaultKey kDefaultKeys[] = {{0, RGB(0, 0, 0)}, {255, RGB(0, 255, 255)}};
}  // namespace

TurningEffect::TurningEffect(BYTE defaultSpeed)
    : PaletteEffect(SurfaceLayout{.surfaces = 2}, kDefaultKeys, KeyCopy::FirstEightPositions, TextColourKey::Last,
                    HoverAtBuild::Ends),
      defaultSpeed_(defaultSpeed) {}

void TurningEffect::WriteDefaultParameters() {
    block.speed = defaultSpeed_;
    block.useRunColours = 1;
}

void TurningEffect::TakeParameters(const TurningBlock& record) { block.speed = record.speed; }

void TurningEffect::SurfacesBuilt() { DrawTextOver(kSource, kTextEntry, kOutput); }

}  // namespace palette
