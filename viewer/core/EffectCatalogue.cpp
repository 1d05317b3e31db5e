#include "viewer/core/EffectCatalogue.h"

#include <cstring>
#include <cwchar>
#include <iterator>

#include "viewer/core/ClassId.h"
#include "winkit/RegistryKey.h"

namespace core {

namespace {

constexpr char kImplementedCategories[] = "Implemented Categories";
// Registry key names are at most 255 characters.
constexpr DWORD kKeyNameSize = 261;

// Calls `visit` with the name of every sub-key of `key`, in index order.
template <class Visit>
void ForEachSubKey(HKEY key, Visit visit) {
    char name[kKeyNameSize];
    for (DWORD index = 0; RegEnumKeyA(key, index, name, kKeyNameSize) == ERROR_SUCCESS; ++index) visit(name);
}

winkit::RegistryKey OpenForReading(HKEY parent, const char* path) {
    winkit::RegistryKey key;
    if (RegOpenKeyExA(parent, path, 0, KEY_READ, key.out()) != ERROR_SUCCESS) return {};
    return key;
}

bool SameBytes(const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) == 0; }

}  // namespace

void EffectCatalogue::BuildEffectCatalogue(const UserMessage& show) {
    comkit::ComPtr<ICatInformation> manager;
    if (FAILED(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_ICatInformation, manager.put_void()))) {
        EnumCategoryFromRegistry(HKEY_CLASSES_ROOT, contract::CATID_ViviFontObjects);
        return;
    }
    BuildFromCategoryManager(*manager.get(), show);
}

void EffectCatalogue::BuildFromCategoryManager(ICatInformation& manager, const UserMessage& show) {
    CATID implemented[] = {contract::CATID_ViviFontObjects};
    comkit::ComPtr<IEnumGUID> classes;
    if (FAILED(manager.EnumClassesOfCategories(1, implemented, 0, nullptr, classes.put())) || !classes) {
        wchar_t text[256];
        std::swprintf(text, std::size(text),
                      L"コンポーネントカテゴリマネージャを生成できましたが、\nCLSID列挙用インタフェイスの生成に失敗しました\n"
                      L"GetLastError()は0x%0lxを返しています",
                      GetLastError());
        show(text, MB_ICONINFORMATION);
        return;
    }
    CLSID clsid;
    ULONG fetched = 0;
    while (SUCCEEDED(classes->Next(1, &clsid, &fetched)) && fetched == 1) {
        Append(clsid);
        fetched = 0;
    }
}

void EffectCatalogue::EnumCategoryFromRegistry(HKEY classesRoot, const CATID& category) {
    const winkit::RegistryKey classes = OpenForReading(classesRoot, "CLSID");
    if (!classes) return;
    ForEachSubKey(classes.get(), [&](const char* className) {
        // Names that are not class identifiers (ProgID-like or malformed) are
        // not classes; they are never resolved through the registry.
        const auto clsid = ParseClsid(className);
        if (!clsid) return;
        const winkit::RegistryKey classKey = OpenForReading(classes.get(), className);
        if (!classKey) return;
        ForEachSubKey(classKey.get(), [&](const char* subKeyName) {
            if (std::strcmp(subKeyName, kImplementedCategories) != 0) return;
            const winkit::RegistryKey implemented = OpenForReading(classKey.get(), kImplementedCategories);
            if (!implemented) return;
            ForEachSubKey(implemented.get(), [&](const char* categoryName) {
                const auto listed = ParseClsid(categoryName);
                if (listed && SameBytes(*listed, category)) Append(*clsid);
            });
        });
    });
}

void EffectCatalogue::Append(const CLSID& clsid) {
    comkit::ComPtr<IViviFont> prototype;
    if (SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont, prototype.put_void())) &&
        prototype)
        prototypes_.push_back(std::move(prototype));
}

IViviFont* EffectCatalogue::FindEffectByClsid(const CLSID& clsid) const {
    for (const auto& prototype : prototypes_) {
        CLSID answered;
        if (SUCCEEDED(prototype->GetCLSID(&answered)) && SameBytes(answered, clsid)) return prototype.get();
    }
    return nullptr;
}

void EffectCatalogue::ReleaseEffectCatalogue() {
    for (auto& prototype : prototypes_) prototype.reset();
    prototypes_.clear();
}

}  // namespace core
