// LankyFont ("Stiltman"): the whole text stretched upward from its baseline
// by one factor per frame, swinging between 1 and the maximum stretch. The
// mouse freezes it.
#pragma once

#include "effects/common/StretchEffect.h"

class LankyFont : public palette::StretchEffect<palette::StiltBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Lanky;

protected:
    LankyFont() : StretchEffect(palette::StretchWave::Sine, 8) {}

    void Step() override;
};
