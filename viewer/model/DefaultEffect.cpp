#include "viewer/model/DefaultEffect.h"

#include "contract/module_identity.h"

namespace model {
namespace {

class StaticFontSource final : public DefaultEffectSource {
public:
    comkit::ComPtr<IViviFont> Create() override {
        comkit::ComPtr<IViviFont> effect;
        CoCreateInstance(contract::Identity(contract::Module::Static).clsid, nullptr, CLSCTX_INPROC_SERVER,
                         IID_IViviFont, effect.put_void());
        return effect;
    }

    void ReportUnavailable() override {
        MessageBoxW(nullptr,
                    L"Viviフォントコンポーネントが正しくインストールされていません\n"
                    L"正しくセットアップしなおしてください",
                    L"Quillon", MB_OK | MB_ICONHAND);
        PostQuitMessage(1);
    }
};

struct Installed {
    StaticFontSource viewer;
    DefaultEffectSource* source = &viewer;
    bool reported = false;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

}  // namespace

void SetDefaultEffectSource(DefaultEffectSource* source) {
    Installed& installed = Current();
    installed.source = source ? source : &installed.viewer;
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
