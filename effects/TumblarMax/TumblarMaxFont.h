// TumblarMaxFont ("Flipimps"): one character at a time turning about the
// middle line while the others stand still. Hovering shows it facing front
// and keeps it from moving on to the next.
#pragma once

#include "effects/common/CharacterBand.h"
#include "effects/common/TurningEffect.h"

class TumblarMaxFont : public palette::TurningEffect {
public:
    static constexpr contract::Module kModule = contract::Module::TumblarMax;

protected:
    TumblarMaxFont();

    void BeforeBuild() override { band_.Restart(); }
    void SurfacesBuilt() override;
    void Step() override;

private:
    BYTE Shade() const;

    palette::CharacterBand band_;
    BYTE phase_ = 64;
};
