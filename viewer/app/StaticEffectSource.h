// New runs' first effect in the viewer: the registered Static module's
// StaticFont. When it cannot be had the effect components are not installed,
// so the user is told and the program quits.
#pragma once

#include "viewer/model/DefaultEffect.h"

namespace app {

class StaticEffectSource final : public model::RegisteredStaticSource {
public:
    void ReportUnavailable() override;
};

}  // namespace app
