// StaticFont: draws its run as still text and never animates. Every new run
// of the viewer starts with it. It has no settings and no surfaces: only the
// bound half every effect shares.
#pragma once

#include "effectbase/BoundEffect.h"

class StaticFont final : public effectbase::BoundEffect<> {
public:
    static constexpr contract::Module kModule = contract::Module::Static;
    static const CLSID& ClassId() { return contract::Identity(kModule).clsid; }

    STDMETHODIMP Clone(IViviFont** clone) override;
    STDMETHODIMP DrawTextFace(HDC dc, POINT point) override;
    STDMETHODIMP UpdateTextFace(HDC, POINT) override { return S_OK; }

    const contract::ModuleIdentity& Identity() const override { return contract::Identity(kModule); }
};
