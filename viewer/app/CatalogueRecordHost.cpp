#include "viewer/app/CatalogueRecordHost.h"

#include "viewer/app/Messages.h"

namespace app {

CatalogueRecordHost& CatalogueRecordHost::Instance() {
    static CatalogueRecordHost host;
    return host;
}

IViviFont* CatalogueRecordHost::FindEffectByClsid(const CLSID& clsid) {
    return catalogue_ ? catalogue_->FindEffectByClsid(clsid) : nullptr;
}

void CatalogueRecordHost::ShowMessage(const std::wstring& text, UINT style) { app::ShowMessage(text, style); }

}  // namespace app
