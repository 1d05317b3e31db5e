#include "viewer/model/DefaultEffect.h"

#include "contract/module_identity.h"

namespace model {
namespace {

struct Installed {
    RegisteredStaticSource registered;
    DefaultEffectSource* source = &registered;
    bool reported = false;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

}  // namespace

comkit::ComPtr<IViviFont> RegisteredStaticSource::Create() {
    comkit::ComPtr<IViviFont> effect;
    CoCreateInstance(contract::Identity(contract::Module::Static).clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont,
                     effect.put_void());
    return effect;
}

void SetDefaultEffectSource(DefaultEffectSource* source) {
    Installed& installed = Current();
    installed.source = source ? source : &installed.registered;
    installed.reported = false;
}

comkit::ComPtr<IViviFont> CreateDefaultEffect() {
    Installed& installed = Current();
    comkit::ComPtr<IViviFont> effect = installed.source->Create();
    if (!effect && !installed.reported) {
        installed.reported = true;
        installed.source->ReportUnavailable();
    }
    return effect;
}

}  // namespace model
