#include "effectbase/EffectBase.h"

#include <cstdlib>
#include <cstring>

#include "comkit/ComPtr.h"
#include "comkit/NoThrow.h"

namespace effectbase {

STDMETHODIMP EffectBase::Clone(IViviFont** clone) {
    if (!clone) return E_POINTER;
    *clone = nullptr;
    return comkit::Guarded([&] {
        comkit::ComPtr<EffectBase> copy = CreateSibling();
        if (!copy) return E_OUTOFMEMORY;
        const std::span<BYTE> from = PropertyBytes();
        std::memcpy(copy->PropertyBytes().data(), from.data(), from.size());
        copy->TakeWorkingCopies(false);
        *clone = copy.detach();
        return S_OK;
    });
}

void EffectBase::RunChanged() {
    if (surfaceDC) {
        ReleaseTextBitmap();
        BuildTextBitmap();
    }
}

STDMETHODIMP EffectBase::UpdateTextFace(HDC dc, POINT point) {
    return static_cast<IViviFont*>(this)->DrawTextFace(dc, point);
}

STDMETHODIMP EffectBase::MouseEnter() {
    hovered_ = true;
    TakeWorkingCopies(true);
    Entered();
    return S_OK;
}

STDMETHODIMP EffectBase::MouseLeave() {
    EndHover();
    return S_OK;
}

void EffectBase::EndHover() {
    hovered_ = false;
    TakeWorkingCopies(false);
    Left();
}

STDMETHODIMP EffectBase::SaveProperty(tagPersistMemory** record) {
    if (!record) return E_POINTER;
    const std::span<BYTE> block = PropertyBytes();
    auto* saved = static_cast<tagPersistMemory*>(CoTaskMemAlloc(block.size() + contract::kRecordOverhead));
    *record = saved;
    if (!saved) return E_OUTOFMEMORY;
    saved->nSize = static_cast<long>(block.size());
    saved->nVersion = contract::kPersistMemoryVersion;
    std::memcpy(saved->pData, block.data(), block.size());
    return S_OK;
}

STDMETHODIMP EffectBase::LoadProperty(tagPersistMemory* record) {
    const std::span<BYTE> block = PropertyBytes();
    if (!record || record->nVersion != contract::kPersistMemoryVersion ||
        record->nSize != static_cast<long>(block.size()))
        return S_OK;
    std::memcpy(block.data(), record->pData, block.size());
    PropertiesLoaded();
    // Runs are made by Clone and LoadProperty: the stored settings show at once.
    TakeWorkingCopies(hovered_);
    return static_cast<IViviFont*>(this)->ChangeParagraph();
}

STDMETHODIMP EffectBase::OpenPropertyDlg(HWND owner) {
    const contract::ModuleIdentity& identity = Identity();
    if (!identity.hasEditor) return S_OK;
    comkit::ComPtr<IPropertyEditor> editor;
    if (FAILED(CoCreateInstance(identity.editor, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyEditor,
                                editor.put_void())))
        return S_OK;
    editor->SetTarget(static_cast<IViviFont*>(this));
    editor->SetSample(Extent().Paragraph());
    int result = 0;
    if (FAILED(editor->DoModal(owner, &result)) || result != 1) return S_OK;

    IUnknown* lent = nullptr;
    if (FAILED(editor->GetResult(&lent)) || !lent) return S_OK;
    // The editor lends the edited object; take our own reference for the use.
    const comkit::ComPtr<IUnknown> edited(lent);
    const auto parameters = edited.As<IFontProperty>(IID_IFontProperty);
    tagAnonyVVLF* record = nullptr;
    // The record belongs to the module that allocated it and is not freed here.
    if (parameters && SUCCEEDED(parameters->GetVVLF(&record)) && record) SetVVLF(record, 1);
    return S_OK;
}

STDMETHODIMP EffectBase::SetVVLF(tagAnonyVVLF* record, LONG) {
    const std::span<BYTE> block = PropertyBytes();
    if (!record || record->nVersion != contract::kAnonyVVLFVersion ||
        record->nSize != static_cast<long>(block.size()) + contract::kRecordOverhead)
        return E_UNEXPECTED;
    return comkit::Guarded([&] {
        ApplyParameters({record->pData, block.size()});
        return S_OK;
    });
}

void EffectBase::ApplyParameters(std::span<const BYTE> parameters) {
    std::memcpy(PropertyBytes().data(), parameters.data(), parameters.size());
    PropertiesLoaded();
    TakeWorkingCopies(false);
    static_cast<IViviFont*>(this)->ChangeParagraph();
}

STDMETHODIMP EffectBase::GetVVLF(tagAnonyVVLF** record) {
    if (!record) return E_POINTER;
    const std::span<BYTE> block = PropertyBytes();
    // From the module's own heap: the interface offers the caller no way to
    // free it, and the module that allocated it owns it.
    auto* copy = static_cast<tagAnonyVVLF*>(std::malloc(block.size() + contract::kRecordOverhead));
    *record = copy;
    if (!copy) return E_OUTOFMEMORY;
    copy->nSize = static_cast<long>(block.size()) + contract::kRecordOverhead;
    copy->nVersion = contract::kAnonyVVLFVersion;
    std::memcpy(copy->pData, block.data(), block.size());
    return S_OK;
}

STDMETHODIMP EffectBase::SetDefault() {
    SetDefaultProperties();
    return S_OK;
}

STDMETHODIMP EffectBase::Activate() {
    return comkit::Guarded([this] {
        BuildTextBitmap();
        return S_OK;
    });
}

STDMETHODIMP EffectBase::Deactivate() {
    ReleaseTextBitmap();
    return S_OK;
}

STDMETHODIMP EffectBase::IsActivated(char* activated) {
    if (!activated) return E_POINTER;
    *activated = surfaceDC ? 1 : 0;
    return S_OK;
}

}  // namespace effectbase
