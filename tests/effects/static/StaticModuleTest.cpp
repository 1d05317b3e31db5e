// The Static module as an installer and a host meet it: registered with the
// platform's regsvr32, created through COM, found through its category.
#include <gtest/gtest.h>

#include <comcat.h>

#include <vector>

#include "comkit/ComPtr.h"
#include "contract/contract.h"
#include "contract/module_identity.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"

namespace {

using testsupport::KeyExists;
using testsupport::ReadString;

const wchar_t kClsidKey[] = L"CLSID\\{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}";
const wchar_t kCategoryKey[] = L"Component Categories\\{805C7300-56D9-11d2-B8E1-00A0C96EED8B}";

std::wstring ModulePath() { return testsupport::WindowsPath(STATIC_MODULE_PATH); }

int Regsvr32(const wchar_t* flags) {
    return testsupport::RunProcess(std::wstring(L"regsvr32.exe ") + flags + L" \"" + ModulePath() + L"\"");
}

class StaticModule : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(0, Regsvr32(L"/s")); }
};

TEST_F(StaticModule, RegistrationWritesTheClassProgIdsCategoryAndTypeLibrary) {
    EXPECT_EQ(L"StaticFont Class", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont.1"));
    EXPECT_EQ(L"{B56C4950-54CC-11D2-B8E1-00A0C96EED8B}", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont.1\\CLSID"));
    EXPECT_EQ(L"StaticFont Class", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont"));
    EXPECT_EQ(L"ViviFont.StaticFont.1", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont\\CurVer"));

    const std::wstring cls = kClsidKey;
    EXPECT_EQ(L"StaticFont Class", ReadString(HKEY_CLASSES_ROOT, cls));
    EXPECT_EQ(L"ViviFont.StaticFont.1", ReadString(HKEY_CLASSES_ROOT, cls + L"\\ProgID"));
    EXPECT_EQ(L"ViviFont.StaticFont", ReadString(HKEY_CLASSES_ROOT, cls + L"\\VersionIndependentProgID"));
    EXPECT_EQ(ModulePath(), ReadString(HKEY_CLASSES_ROOT, cls + L"\\InprocServer32"));
    EXPECT_EQ(L"Apartment", ReadString(HKEY_CLASSES_ROOT, cls + L"\\InprocServer32", L"ThreadingModel"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, cls + L"\\Implemented Categories\\{805C7300-56D9-11d2-B8E1-00A0C96EED8B}"));
    const auto genesis = ReadString(HKEY_CLASSES_ROOT, cls, L"Genesis");
    ASSERT_TRUE(genesis);
    EXPECT_TRUE(genesis->ends_with(L"/pc/ondelle/glyphset/static.df"));
    EXPECT_EQ(L"Tvk Vivi Font Objects", ReadString(HKEY_CLASSES_ROOT, kCategoryKey, L"409"));

    comkit::ComPtr<ITypeLib> library;
    ASSERT_EQ(S_OK, LoadRegTypeLib(contract::Identity(contract::Module::Static).libid, 1, 0, 0, library.put()));
    BSTR help = nullptr;
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, nullptr, &help, nullptr, nullptr));
    EXPECT_STREQ(L"Static 1.0 Type Library", help);
    SysFreeString(help);
    for (const IID* declared : {&IID_IViviFont, &IID_IParagraphAccess, &IID_IFontManager}) {
        comkit::ComPtr<ITypeInfo> info;
        EXPECT_EQ(S_OK, library->GetTypeInfoOfGuid(*declared, info.put()));
    }
    comkit::ComPtr<ITypeInfo> absent;
    EXPECT_NE(S_OK, library->GetTypeInfoOfGuid(IID_IViviFontProperty, absent.put()));
}

TEST_F(StaticModule, IsCreatedByClassIdAndFoundThroughItsCategory) {
    comkit::ComPtr<IViviFont> effect;
    ASSERT_EQ(S_OK, CoCreateInstance(contract::Identity(contract::Module::Static).clsid, nullptr,
                                     CLSCTX_INPROC_SERVER, IID_IViviFont, effect.put_void()));
    comkit::ComPtr<IViviFontProperty> property;
    EXPECT_EQ(E_NOINTERFACE, effect->QueryInterface(IID_IViviFontProperty, property.put_void()));

    comkit::ComPtr<ICatInformation> categories;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_ICatInformation, categories.put_void()));
    CATID wanted[] = {contract::CATID_ViviFontObjects};
    comkit::ComPtr<IEnumGUID> classes;
    ASSERT_EQ(S_OK, categories->EnumClassesOfCategories(1, wanted, static_cast<ULONG>(-1), nullptr, classes.put()));
    bool found = false;
    CLSID clsid;
    ULONG fetched = 0;
    while (classes->Next(1, &clsid, &fetched) == S_OK)
        found = found || IsEqualCLSID(clsid, contract::Identity(contract::Module::Static).clsid);
    EXPECT_TRUE(found);
}

TEST(StaticModuleFile, CarriesItsVersionAndIcon) {
    const std::wstring path = ModulePath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(1, 0), fixed->dwFileVersionLS);
    wchar_t* product = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(L"Static Module", product);

    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    EXPECT_NE(nullptr, FindResourceW(module, MAKEINTRESOURCEW(201), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */));
    FreeLibrary(module);
}

TEST_F(StaticModule, RegisteringTwiceIsHarmless) {
    ASSERT_EQ(0, Regsvr32(L"/s"));
    EXPECT_EQ(ModulePath(), ReadString(HKEY_CLASSES_ROOT, std::wstring(kClsidKey) + L"\\InprocServer32"));
    EXPECT_EQ(L"Tvk Vivi Font Objects", ReadString(HKEY_CLASSES_ROOT, kCategoryKey, L"409"));
}

TEST_F(StaticModule, UnregisteringRemovesOnlyItsOwnKeys) {
    const wchar_t other[] = L"CLSID\\{0BADF00D-0000-4000-8000-000000000001}";
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT, other, nullptr, REG_SZ, L"Other", 12));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT,
                                             (std::wstring(other) + L"\\Implemented Categories\\{805C7300-56D9-11d2-B8E1-00A0C96EED8B}").c_str(),
                                             nullptr, REG_SZ, L"", 2));
    ASSERT_EQ(0, Regsvr32(L"/s /u"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClsidKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont.1"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont.StaticFont"));
    EXPECT_EQ(L"Other", ReadString(HKEY_CLASSES_ROOT, other));
    EXPECT_EQ(L"Tvk Vivi Font Objects", ReadString(HKEY_CLASSES_ROOT, kCategoryKey, L"409"));
    RegDeleteTreeW(HKEY_CLASSES_ROOT, other);
    // Leave the module registered for whatever runs next.
    ASSERT_EQ(0, Regsvr32(L"/s"));
}

}  // namespace
