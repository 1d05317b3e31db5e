// The data object that carries a copy to the clipboard: formats already
// rendered into global memory, handed out as copies, so that the clipboard
// can take them over when it is flushed.
#pragma once

#include <objidl.h>

#include <vector>

#include "comkit/ComObject.h"
#include "viewer/interaction/GlobalMemory.h"

namespace interaction {

class ClipboardData final : public comkit::ComObject<IDataObject> {
public:
    // Takes the block over under `format`.
    void Add(CLIPFORMAT format, winkit::GlobalBlock block);

    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    STDMETHODIMP QueryGetData(FORMATETC* format) override;
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* format, FORMATETC* canonical) override;
    STDMETHODIMP SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override;
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP DUnadvise(DWORD connection) override;
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override;

private:
    // The block offered for a request, or null.
    HGLOBAL Find(const FORMATETC* format) const;

    std::vector<FORMATETC> formats_;
    std::vector<winkit::GlobalBlock> blocks_;
};

}  // namespace interaction
