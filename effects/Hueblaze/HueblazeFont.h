// HueblazeFont ("Frostflare "): the run burns with a cold fire, black through
// blue and cyan to white, and a hot block follows the pointer.
#pragma once

#include "effects/common/SwayingFire.h"

class HueblazeFont : public palette::SwayingFireEffect {
public:
    static constexpr contract::Module kModule = contract::Module::Hueblaze;

protected:
    HueblazeFont();
};
