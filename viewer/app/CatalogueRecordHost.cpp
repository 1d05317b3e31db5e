#include "viewer/app/CatalogueRecordHost.h"

#include "viewer/app/Messages.h"

namespace viewer {

CatalogueRecordHost& CatalogueRecordHost::Instance() {
    static CatalogueRecordHost host;
    return host;
}

IViviFont* CatalogueRecordHost::FindEffectByClsid(const CLSID& clsid) {
    return catalogue_ ? catalogue_->FindEffectByClsid(clsid) : nullptr;
}

void CatalogueRecordHost::ShowMessage(const std::wstring& text, UINT style) { viewer::ShowMessage(text, style); }

}  // namespace viewer
