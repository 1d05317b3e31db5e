// TumblarFont ("Orbitwhirl"): the whole text turning about its middle line
// as if painted on a drum, darkening while it faces away. Hovering shows it
// facing front.
#pragma once

#include "effects/common/TurningEffect.h"

class TumblarFont : public palette::TurningEffect {
public:
    static constexpr contract::Module kModule = contract::Module::Tumblar;

protected:
    TumblarFont();

    void Step() override;

private:
    BYTE phase_ = 0;
};
