// The concrete COM class of an effect: EffectObject<RainFont> is what the
// module's class factory creates. The effect class names its module in
// `static constexpr contract::Module kModule` and keeps its property block in
// a member `block` of exactly the module's N bytes.
#pragma once

#include "comkit/Make.h"
#include "effectbase/EffectBase.h"

namespace effectbase {

template <class Effect>
class EffectObject final : public Effect {
public:
    EffectObject() { this->InitEffect(); }
    ~EffectObject() override { this->ReleaseTextBitmap(); }

    static const CLSID& ClassId() { return contract::Identity(Effect::kModule).clsid; }

    const contract::ModuleIdentity& Identity() const override { return contract::Identity(Effect::kModule); }
    std::span<BYTE> PropertyBytes() override {
        static_assert(sizeof(this->block) > 0);
        return {reinterpret_cast<BYTE*>(&this->block), sizeof(this->block)};
    }

private:
    comkit::ComPtr<EffectBase> CreateSibling() const override { return comkit::Make<EffectObject>(); }
};

}  // namespace effectbase
