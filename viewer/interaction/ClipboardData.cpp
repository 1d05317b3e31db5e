#include "viewer/interaction/ClipboardData.h"

#include <shlobj.h>

namespace interaction {

void ClipboardData::Add(CLIPFORMAT format, winkit::GlobalBlock block) {
    formats_.push_back(FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    blocks_.push_back(std::move(block));
}

HGLOBAL ClipboardData::Find(const FORMATETC* format) const {
    if (!format || format->dwAspect != DVASPECT_CONTENT || !(format->tymed & TYMED_HGLOBAL)) return nullptr;
    for (size_t i = 0; i < formats_.size(); ++i)
        if (formats_[i].cfFormat == format->cfFormat) return blocks_[i].get();
    return nullptr;
}

STDMETHODIMP ClipboardData::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (!medium) return E_POINTER;
    const HGLOBAL block = Find(format);
    if (!block) return DV_E_FORMATETC;
    winkit::GlobalBlock copy = CopyOfBlock(block);
    if (!copy) return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = copy.release();
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

STDMETHODIMP ClipboardData::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

STDMETHODIMP ClipboardData::QueryGetData(FORMATETC* format) { return Find(format) ? S_OK : DV_E_FORMATETC; }

STDMETHODIMP ClipboardData::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) {
    if (!canonical) return E_POINTER;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP ClipboardData::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

STDMETHODIMP ClipboardData::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) {
    if (!formats) return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(formats_.size()), formats_.data(), formats);
}

STDMETHODIMP ClipboardData::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }

STDMETHODIMP ClipboardData::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }

STDMETHODIMP ClipboardData::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }

}  // namespace interaction
