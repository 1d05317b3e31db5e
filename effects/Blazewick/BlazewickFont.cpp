#include "effects/Blazewick/BlazewickFont.h"

namespace {
constexpr BYTE kDefaultDecay = 10;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {85, RGB(255, 0, 0)}, {170, RGB(255, 255, 0)}, {255, RGB(255, 255, 255)}};
}  // namespace

BlazewickFont::BlazewickFont() : SwayingFireEffect(kDefaultKeys, kDefaultDecay) {}
