// StiltmaxFont ("Stiltsolo"): one character at a time stretched upward from
// the baseline and back while the rest stand still, then the next. The mouse
// freezes the stretch.
#pragma once

#include "effects/common/CharacterBand.h"
#include "effects/common/StretchEffect.h"

class StiltmaxFont : public palette::StretchEffect<palette::StiltBlock> {
public:
    static constexpr contract::Module kModule = contract::Module::Stiltmax;

protected:
    StiltmaxFont() : StretchEffect(palette::StretchWave::Cosine, 16) {}

    void BeforeBuild() override;
    void Step() override;

private:
    palette::CharacterBand band_;
};
