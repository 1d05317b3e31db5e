// Where every new run gets its first effect from. Unless a host installs a
// source of its own, it is the plain StaticFont created by its class
// identifier; what a failure means to the user is the host's to say.
#pragma once

#include "comkit/ComPtr.h"
#include "contract/contract.h"

namespace model {

class DefaultEffectSource {
public:
    // A new, unbound effect, or null when none can be had.
    virtual comkit::ComPtr<IViviFont> Create() = 0;
    // Called once for the first Create that gave null.
    virtual void ReportUnavailable() = 0;

protected:
    ~DefaultEffectSource() = default;
};

// The registered Static module's StaticFont. Reports nothing: a host that
// tells the user derives from it.
class RegisteredStaticSource : public DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override;
    void ReportUnavailable() override {}
};

// Runs created from now on take their effect from the source, which the
// caller keeps alive while it is installed; null brings back the registered
// StaticFont.
void SetDefaultEffectSource(DefaultEffectSource* source);

// A new run's effect, or null. Only the first failure since the source was
// installed is reported: a document of many runs says it once.
comkit::ComPtr<IViviFont> CreateDefaultEffect();

}  // namespace model
