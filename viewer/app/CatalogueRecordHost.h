// How the viewer reads text records: stored effects are looked up in the
// effect catalogue that the application built, and the reader's messages go
// to the program's message box. Until a catalogue is installed (and after the
// application has released it) no stored effect is found and every run keeps
// the Static effect.
#pragma once

#include "viewer/core/EffectCatalogue.h"
#include "viewer/model/RecordHost.h"

namespace app {

class CatalogueRecordHost final : public model::RecordHost {
public:
    // The one the program's documents read through.
    static CatalogueRecordHost& Instance();

    // The catalogue stays the caller's; null removes it.
    void SetCatalogue(const core::EffectCatalogue* catalogue) { catalogue_ = catalogue; }

    IViviFont* FindEffectByClsid(const CLSID& clsid) override;
    void ShowMessage(const std::wstring& text, UINT style) override;

private:
    const core::EffectCatalogue* catalogue_ = nullptr;
};

}  // namespace app
