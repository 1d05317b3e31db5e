#include "viewer/model/EffectProperty.h"

#include <cstdint>
#include <exception>
#include <limits>
#include <span>
#include <vector>

#include "appkit/archive/Archive.h"
#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "contract/module_identity.h"
#include "winkit/AnsiText.h"

namespace model {
namespace {

// 38 characters and the terminator.
constexpr int kClsidTextSize = 39;

bool HasSettings(IViviFont& effect) {
    return static_cast<bool>(comkit::ComPtr<IViviFont>(&effect).As<IViviFontProperty>(IID_IViviFontProperty));
}

// The payload of a saved record, or nothing when there is no record or it
// claims more bytes than the block it came in.
std::optional<std::span<const std::uint8_t>> SavedPayload(const tagPersistMemory* record) {
    if (!record || record->nSize < 0) return std::nullopt;
    comkit::ComPtr<IMalloc> taskMemory;
    if (FAILED(CoGetMalloc(1, taskMemory.put()))) return std::nullopt;
    const SIZE_T block = taskMemory->GetSize(const_cast<tagPersistMemory*>(record));
    if (block == static_cast<SIZE_T>(-1) || block < static_cast<SIZE_T>(contract::kRecordHeader) ||
        static_cast<SIZE_T>(record->nSize) > block - contract::kRecordHeader)
        return std::nullopt;
    return std::span<const std::uint8_t>(record->pData, static_cast<std::size_t>(record->nSize));
}

}  // namespace

const CLSID& StaticClsid() { return contract::Identity(contract::Module::Static).clsid; }

std::string ClsidText(const CLSID& clsid) {
    wchar_t text[kClsidTextSize];
    StringFromGUID2(clsid, text, kClsidTextSize);
    return winkit::ToAnsi(text);
}

CLSID StoredClass(IViviFont* effect) {
    CLSID clsid;
    if (effect && SUCCEEDED(effect->GetCLSID(&clsid))) return clsid;
    return StaticClsid();
}

bool CarriesBlob(const std::optional<CLSID>& clsid, IViviFont* prototype) {
    if (clsid && IsEqualCLSID(*clsid, StaticClsid())) return false;
    return prototype ? HasSettings(*prototype) : true;
}

void StoreEffectProperty(appkit::Archive& archive, IViviFont& effect) {
    const auto property = comkit::ComPtr<IViviFont>(&effect).As<IViviFontProperty>(IID_IViviFontProperty);
    if (!property) return;
    tagPersistMemory* saved = nullptr;
    const HRESULT result = property->SaveProperty(&saved);
    const comkit::TaskMem<tagPersistMemory> record(saved);
    const auto payload = SUCCEEDED(result) ? SavedPayload(record.get()) : std::nullopt;
    if (!payload) {
        archive.WriteDword(0);
        archive.WriteDword(0);
        return;
    }
    archive.WriteDword(static_cast<std::uint32_t>(payload->size()));
    archive.WriteDword(static_cast<std::uint32_t>(record->nVersion));
    archive.Write(payload->data(), payload->size());
}

void LoadEffectProperty(appkit::Archive& archive, IViviFontProperty& property) {
    const std::uint32_t size = archive.ReadDword();
    const std::uint32_t version = archive.ReadDword();
    if (size > archive.Remaining()) throw appkit::ArchiveError(appkit::ArchiveError::Cause::EndOfData);
    const std::uint64_t bytes = std::uint64_t{size} + contract::kRecordOverhead;
    if (bytes > std::numeric_limits<std::size_t>::max())
        throw appkit::ArchiveError(appkit::ArchiveError::Cause::OutOfMemory);
    std::vector<std::uint8_t> record;
    try {
        record.resize(static_cast<std::size_t>(bytes));
    } catch (const std::exception&) {  // bad_alloc, or length_error past the vector's limit
        throw appkit::ArchiveError(appkit::ArchiveError::Cause::OutOfMemory);
    }
    auto* loaded = reinterpret_cast<tagPersistMemory*>(record.data());
    loaded->nSize = static_cast<long>(size);
    loaded->nVersion = static_cast<long>(version);
    archive.Read(loaded->pData, size);
    property.LoadProperty(loaded);
}

void SkipEffectProperty(appkit::Archive& archive) {
    const std::uint32_t size = archive.ReadDword();
    archive.ReadDword();
    archive.Skip(size);
}

}  // namespace model
