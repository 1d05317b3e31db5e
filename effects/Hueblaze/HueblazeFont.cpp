#include "effects/Hueblaze/HueblazeFont.h"

namespace {
constexpr BYTE kDefaultDecay = 15;

constexpr palette::DefaultKey kDefaultKeys[] = {
    {0, RGB(0, 0, 0)}, {85, RGB(0, 0, 255)}, {170, RGB(0, 255, 255)}, {255, RGB(255, 255, 255)}};
}  // namespace

HueblazeFont::HueblazeFont() : SwayingFireEffect(kDefaultKeys, kDefaultDecay) {}
