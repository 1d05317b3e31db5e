// Where every new run gets its first effect from. The viewer creates the plain
// StaticFont by its class identifier and, when that fails, tells the user that
// the effect components are not installed and quits; other hosts of these
// classes (and tests) install a source of their own.
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

// Runs created from now on take their effect from the source, which the
// caller keeps alive while it is installed; null brings back the viewer's.
void SetDefaultEffectSource(DefaultEffectSource* source);

// A new run's effect, or null. Only the first failure since the source was
// installed is reported: a document of many runs says it once.
comkit::ComPtr<IViviFont> CreateDefaultEffect();

}  // namespace model
