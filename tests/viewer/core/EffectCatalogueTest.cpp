// The catalogue built from the registered Static and Rain modules: through the
// system's category manager, through stand-in managers, and by the registry
// scan over a private classes root.
#include <gtest/gtest.h>

#include <windows.h>
#include <comcat.h>

#include <string>
#include <utility>
#include <vector>

#include "comkit/ComObject.h"
#include "comkit/ComPtr.h"
#include "comkit/Make.h"
#include "contract/contract.h"
#include "contract/module_identity.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"
#include "viewer/core/EffectCatalogue.h"

namespace {

using core::EffectCatalogue;

const CLSID& StaticClsid() { return contract::Identity(contract::Module::Static).clsid; }
const CLSID& RainClsid() { return contract::Identity(contract::Module::Rain).clsid; }
const wchar_t kRainText[] = L"{D090DA71-5809-11D2-AFB3-00A02495C41F}";
const CLSID kNotInstalled = {0x0BADF00D, 0x1111, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};
const wchar_t kStaticText[] = L"{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}";
const wchar_t kNotInstalledText[] = L"{0BADF00D-1111-4000-8000-000000000001}";
const wchar_t kCategoryText[] = L"{805C7300-56D9-11d2-B8E1-00A0C96EED8B}";

struct Shown {
    std::wstring text;
    UINT style = 0;
};

struct MessageRecorder {
    std::vector<Shown> shown;
    core::UserMessage Sink() {
        return [this](const std::wstring& text, UINT style) { shown.push_back({text, style}); };
    }
};

class EffectCatalogueTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* module : kModules) ASSERT_EQ(0, testsupport::Regsvr32(testsupport::WindowsPath(module)));
    }
    static void TearDownTestSuite() {
        for (const char* module : kModules)
            EXPECT_EQ(0, testsupport::Regsvr32(testsupport::WindowsPath(module), true));
    }

private:
    static constexpr const char* kModules[] = {STATIC_MODULE_PATH, RAIN_MODULE_PATH};
};

bool Answers(IViviFont* effect, const CLSID& clsid) {
    CLSID answered{};
    return effect && SUCCEEDED(effect->GetCLSID(&answered)) && IsEqualCLSID(answered, clsid);
}

// A key path (backslash-separated) created under `root` with all its parents.
void CreateKey(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegCloseKey(key);
}

TEST_F(EffectCatalogueTest, TheCategoryManagerYieldsTheStaticAndRainPrototypes) {
    MessageRecorder messages;
    EffectCatalogue catalogue;
    catalogue.BuildEffectCatalogue(messages.Sink());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Answers(catalogue.FindEffectByClsid(StaticClsid()), StaticClsid()));
    EXPECT_TRUE(Answers(catalogue.FindEffectByClsid(RainClsid()), RainClsid()));
    EXPECT_EQ(nullptr, catalogue.FindEffectByClsid(kNotInstalled));

    catalogue.ReleaseEffectCatalogue();
    EXPECT_EQ(0u, catalogue.Count());
    EXPECT_EQ(nullptr, catalogue.FindEffectByClsid(StaticClsid()));
}

// Enumerates a fixed list of classes.
class ListedClasses final : public comkit::ComObject<IEnumGUID> {
public:
    explicit ListedClasses(std::vector<CLSID> classes) : classes_(std::move(classes)) {}
    STDMETHODIMP Next(ULONG count, GUID* out, ULONG* fetched) override {
        ULONG n = 0;
        for (; n < count && next_ < classes_.size(); ++n) out[n] = classes_[next_++];
        if (fetched) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
    STDMETHODIMP Reset() override { return E_NOTIMPL; }
    STDMETHODIMP Clone(IEnumGUID**) override { return E_NOTIMPL; }

private:
    std::vector<CLSID> classes_;
    std::size_t next_ = 0;
};

// A category manager that answers a fixed list, or fails to enumerate.
class StandInManager final : public comkit::ComObject<ICatInformation> {
public:
    std::vector<CLSID> classes;
    bool refuse = false;
    std::vector<CATID> implementedAsked;
    ULONG requiredCount = 99;
    const CATID* requiredList = &IID_IUnknown;

    STDMETHODIMP EnumClassesOfCategories(ULONG implemented, const CATID implementedList[], ULONG required,
                                         const CATID requiredIds[], IEnumGUID** out) override {
        implementedAsked.assign(implementedList, implementedList + implemented);
        requiredCount = required;
        requiredList = requiredIds;
        *out = nullptr;
        if (refuse) {
            SetLastError(0x1F);
            return E_FAIL;
        }
        *out = comkit::Make<ListedClasses>(classes).detach();
        return S_OK;
    }
    STDMETHODIMP EnumCategories(LCID, IEnumCATEGORYINFO**) override { return E_NOTIMPL; }
    STDMETHODIMP GetCategoryDesc(REFCATID, LCID, LPWSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP IsClassOfCategories(REFCLSID, ULONG, const CATID[], ULONG, const CATID[]) override { return E_NOTIMPL; }
    STDMETHODIMP EnumImplCategoriesOfClass(REFCLSID, IEnumGUID**) override { return E_NOTIMPL; }
    STDMETHODIMP EnumReqCategoriesOfClass(REFCLSID, IEnumGUID**) override { return E_NOTIMPL; }
};

comkit::ComPtr<StandInManager> NewManager() { return comkit::Make<StandInManager>(); }

TEST_F(EffectCatalogueTest, AsksForTheEffectCategoryAndFindsTheFirstOfTwoPrototypes) {
    const auto manager = NewManager();
    manager->classes = {kNotInstalled, StaticClsid(), StaticClsid()};
    MessageRecorder messages;
    EffectCatalogue catalogue;
    catalogue.BuildFromCategoryManager(*manager.get(), messages.Sink());

    ASSERT_EQ(1u, manager->implementedAsked.size());
    EXPECT_TRUE(IsEqualGUID(contract::CATID_ViviFontObjects, manager->implementedAsked[0]));
    EXPECT_EQ(0u, manager->requiredCount);
    EXPECT_EQ(nullptr, manager->requiredList);
    EXPECT_TRUE(messages.shown.empty());

    ASSERT_EQ(2u, catalogue.Count());
    EXPECT_NE(catalogue.At(0), catalogue.At(1));
    EXPECT_EQ(catalogue.At(0), catalogue.FindEffectByClsid(StaticClsid()));
}

TEST_F(EffectCatalogueTest, AManagerThatCannotEnumerateIsReportedAndLeavesTheCatalogueEmpty) {
    const auto manager = NewManager();
    manager->refuse = true;
    manager->classes = {StaticClsid()};
    MessageRecorder messages;
    EffectCatalogue catalogue;
    catalogue.BuildFromCategoryManager(*manager.get(), messages.Sink());

    EXPECT_EQ(0u, catalogue.Count());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(L"コンポーネントカテゴリマネージャを生成できましたが、\nCLSID列挙用インタフェイスの生成に失敗しました\n"
              L"GetLastError()は0x1fを返しています",
              messages.shown[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), messages.shown[0].style);
}

// The registry scan over a private classes root, one layout at a time.
class RegistryScan : public EffectCatalogueTest {
protected:
    static constexpr wchar_t kRoot[] = L"Software\\QuillonTests\\CatalogueClasses";

    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }

    // Builds a catalogue from a root holding `keys` (paths below the root).
    std::size_t Scan(const std::vector<std::wstring>& keys, EffectCatalogue& catalogue) {
        RegDeleteTreeW(HKEY_CURRENT_USER, kRoot);
        CreateKey(HKEY_CURRENT_USER, kRoot);
        for (const std::wstring& key : keys) CreateKey(HKEY_CURRENT_USER, std::wstring(kRoot) + L"\\" + key);
        HKEY root = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExW(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &root));
        catalogue.EnumCategoryFromRegistry(root, contract::CATID_ViviFontObjects);
        RegCloseKey(root);
        return catalogue.Count();
    }
};

TEST_F(RegistryScan, CreatesTheClassesThatListTheCategory) {
    const std::wstring listed = L"\\Implemented Categories\\" + std::wstring(kCategoryText);
    EffectCatalogue catalogue;
    EXPECT_EQ(2u, Scan({L"CLSID\\" + std::wstring(kNotInstalledText) + listed,
                        L"CLSID\\" + std::wstring(kStaticText) + listed,
                        L"CLSID\\" + std::wstring(kRainText) + listed},
                       catalogue));
    EXPECT_TRUE(Answers(catalogue.FindEffectByClsid(StaticClsid()), StaticClsid()));
    EXPECT_TRUE(Answers(catalogue.FindEffectByClsid(RainClsid()), RainClsid()));

    EffectCatalogue lowerCase;
    EXPECT_EQ(1u, Scan({L"CLSID\\" + std::wstring(kStaticText) +
                        L"\\Implemented Categories\\{805c7300-56d9-11d2-b8e1-00a0c96eed8b}"},
                       lowerCase));
}

TEST_F(RegistryScan, PassesOverClassesThatDoNotListIt) {
    const std::wstring staticKey = L"CLSID\\" + std::wstring(kStaticText);
    const struct {
        const char* name;
        std::vector<std::wstring> keys;
    } cases[] = {
        {"another category only", {staticKey + L"\\Implemented Categories\\{40FC6ED4-2438-11CF-A3DB-080036F12502}"}},
        {"no Implemented Categories key", {staticKey + L"\\InprocServer32"}},
        {"the key name in another case", {staticKey + L"\\implemented categories\\" + kCategoryText}},
        {"a ProgID in place of the class", {L"CLSID\\ViviFont.StaticFont\\Implemented Categories\\" + std::wstring(kCategoryText)}},
        {"a category that is not a class text", {staticKey + L"\\Implemented Categories\\Tvk Vivi Font Objects"}},
        {"no CLSID key", {L"Classes\\" + std::wstring(kStaticText) + L"\\Implemented Categories\\" + kCategoryText}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EffectCatalogue catalogue;
        EXPECT_EQ(0u, Scan(c.keys, catalogue));
    }
}

}  // namespace
