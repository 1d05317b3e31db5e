// IPersistStreamInit and IPersistPropertyBag, both driven by the property
// map: values are saved in map order and, when loaded, put in map order, so
// a control sees its properties applied in the order it declared.
#include "comkit/control/Control.h"

#include <string>

#include "comkit/NoThrow.h"
#include "comkit/Variant.h"

namespace comkit {
namespace {

HRESULT ReadExact(IStream* stream, void* data, ULONG bytes) {
    ULONG read = 0;
    const HRESULT hr = stream->Read(data, bytes, &read);
    if (FAILED(hr)) return hr;
    return read == bytes ? S_OK : STG_E_READFAULT;
}

HRESULT WriteExact(IStream* stream, const void* data, ULONG bytes) {
    ULONG written = 0;
    const HRESULT hr = stream->Write(data, bytes, &written);
    if (FAILED(hr)) return hr;
    return written == bytes ? S_OK : STG_E_WRITEFAULT;
}

// A value as its type tag, then its bytes (a string: byte count, then UTF-16).
HRESULT WriteValue(IStream* stream, const VARIANT& value) {
    if (HRESULT hr = WriteExact(stream, &value.vt, sizeof value.vt); FAILED(hr)) return hr;
    switch (value.vt) {
    case VT_BSTR: {
        const ULONG bytes = SysStringByteLen(value.bstrVal);
        if (HRESULT hr = WriteExact(stream, &bytes, sizeof bytes); FAILED(hr)) return hr;
        return WriteExact(stream, value.bstrVal, bytes);
    }
    case VT_I2:
        return WriteExact(stream, &value.iVal, sizeof value.iVal);
    case VT_I4:
    case VT_UI4:
        return WriteExact(stream, &value.lVal, sizeof value.lVal);
    default:
        return DISP_E_BADVARTYPE;
    }
}

HRESULT ReadValue(IStream* stream, VARIANT& value) {
    VARTYPE type = VT_EMPTY;
    if (HRESULT hr = ReadExact(stream, &type, sizeof type); FAILED(hr)) return hr;
    switch (type) {
    case VT_BSTR: {
        ULONG bytes = 0;
        if (HRESULT hr = ReadExact(stream, &bytes, sizeof bytes); FAILED(hr)) return hr;
        if (bytes % sizeof(OLECHAR) != 0) return STG_E_READFAULT;
        std::wstring text(bytes / sizeof(OLECHAR), L'\0');
        if (HRESULT hr = ReadExact(stream, text.data(), bytes); FAILED(hr)) return hr;
        value.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!value.bstrVal) return E_OUTOFMEMORY;
        break;
    }
    case VT_I2:
        if (HRESULT hr = ReadExact(stream, &value.iVal, sizeof value.iVal); FAILED(hr)) return hr;
        break;
    case VT_I4:
    case VT_UI4:
        if (HRESULT hr = ReadExact(stream, &value.lVal, sizeof value.lVal); FAILED(hr)) return hr;
        break;
    default:
        return STG_E_READFAULT;
    }
    value.vt = type;
    return S_OK;
}

}  // namespace

HRESULT Control::PutProperty(const PropertyEntry& entry, VARIANT& value) {
    if (HRESULT hr = VariantChangeType(&value, &value, 0, entry.type); FAILED(hr)) return hr;
    switch (entry.kind) {
    case PropertyEntry::Kind::ExtentWidth:
        extent_.cx = static_cast<LONG>(value.ulVal);
        return S_OK;
    case PropertyEntry::Kind::ExtentHeight:
        extent_.cy = static_cast<LONG>(value.ulVal);
        return S_OK;
    case PropertyEntry::Kind::Dispatch:
        break;
    }
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &named, 1, 1};
    return Dispatch()->Invoke(entry.dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &parameters, nullptr,
                              nullptr, nullptr);
}

HRESULT Control::GetProperty(const PropertyEntry& entry, VARIANT& value) {
    switch (entry.kind) {
    case PropertyEntry::Kind::ExtentWidth:
    case PropertyEntry::Kind::ExtentHeight:
        value.vt = VT_UI4;
        value.ulVal = static_cast<ULONG>(entry.kind == PropertyEntry::Kind::ExtentWidth ? extent_.cx : extent_.cy);
        return S_OK;
    case PropertyEntry::Kind::Dispatch:
        break;
    }
    DISPPARAMS none{};
    return Dispatch()->Invoke(entry.dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &value,
                              nullptr, nullptr);
}

STDMETHODIMP Control::GetClassID(CLSID* clsid) { return GetUserClassID(clsid); }
STDMETHODIMP Control::IsDirty() { return dirty_ ? S_OK : S_FALSE; }
STDMETHODIMP Control::InitNew() { return S_OK; }

STDMETHODIMP Control::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    const auto alive = KeepAlive();
    return Guarded([&] {
        for (const PropertyEntry& entry : properties_) {
            Variant value;
            if (HRESULT hr = ReadValue(stream, value.value); FAILED(hr)) return hr;
            if (HRESULT hr = PutProperty(entry, value.value); FAILED(hr)) return hr;
        }
        dirty_ = false;
        return S_OK;
    });
}

STDMETHODIMP Control::Save(LPSTREAM stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    const auto alive = KeepAlive();
    for (const PropertyEntry& entry : properties_) {
        Variant value;
        if (HRESULT hr = GetProperty(entry, value.value); FAILED(hr)) return hr;
        if (HRESULT hr = VariantChangeType(&value.value, &value.value, 0, entry.type); FAILED(hr)) return hr;
        if (HRESULT hr = WriteValue(stream, value.value); FAILED(hr)) return hr;
    }
    if (clearDirty) dirty_ = false;
    return S_OK;
}

STDMETHODIMP Control::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    size->QuadPart = 0;
    return E_NOTIMPL;
}

// Only the values the bag holds are put: a page's PARAMs name some of them.
STDMETHODIMP Control::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    const auto alive = KeepAlive();
    for (const PropertyEntry& entry : properties_) {
        Variant value;
        if (FAILED(bag->Read(entry.name, &value.value, log))) continue;
        if (HRESULT hr = PutProperty(entry, value.value); FAILED(hr)) return hr;
    }
    return S_OK;
}

STDMETHODIMP Control::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    const auto alive = KeepAlive();
    for (const PropertyEntry& entry : properties_) {
        Variant value;
        if (HRESULT hr = GetProperty(entry, value.value); FAILED(hr)) return hr;
        if (HRESULT hr = bag->Write(entry.name, &value.value); FAILED(hr)) return hr;
    }
    if (clearDirty) dirty_ = false;
    return S_OK;
}

}  // namespace comkit
