// The shared checks of an effect module as installers and hosts meet it:
// registered with the platform's regsvr32, created through COM, found through
// the effect category, counted for unloading, and carrying its resources.
#include <gtest/gtest.h>

#include <comcat.h>

#include <string>
#include <vector>

#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "tests/effects/suite/SuiteModule.h"
#include "tests/support/System.h"
#include "tests/support/WinePath.h"

namespace effectsuite {
namespace {

using comkit::ComPtr;
using testsupport::KeyExists;
using testsupport::ReadString;

const wchar_t kCategory[] = L"{805C7300-56D9-11d2-B8E1-00A0C96EED8B}";

std::wstring ModulePath() { return testsupport::WindowsPath(ModuleFile()); }
std::wstring Word() {
    const std::string word = SuiteIdentity().word;
    return std::wstring(word.begin(), word.end());
}
std::wstring ClassName() { return SuiteIdentity().className; }
std::wstring ClsidText() { return testsupport::ClsidText(SuiteIdentity().clsid); }
bool IsStatic() { return SuiteModule() == contract::Module::Static; }
// The ProgIDs' text: the Blazewick module puts the company word in front.
std::wstring ProgIdText() { return (Word() == L"Blazewick" ? L"Tvk " : L"") + ClassName() + L" Class"; }

class EffectModule : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(0, testsupport::Regsvr32(ModulePath())); }
};

TEST_F(EffectModule, RegistrationWritesProgIdsClassCategoryAndTypeLibrary) {
    const std::wstring progId = L"ViviFont." + ClassName();
    EXPECT_EQ(ProgIdText(), ReadString(HKEY_CLASSES_ROOT, progId + L".1"));
    EXPECT_EQ(ClsidText(), ReadString(HKEY_CLASSES_ROOT, progId + L".1\\CLSID"));
    EXPECT_EQ(ProgIdText(), ReadString(HKEY_CLASSES_ROOT, progId));
    EXPECT_EQ(progId + L".1", ReadString(HKEY_CLASSES_ROOT, progId + L"\\CurVer"));

    const std::wstring cls = L"CLSID\\" + ClsidText();
    EXPECT_EQ(ClassName() + L" Class", ReadString(HKEY_CLASSES_ROOT, cls));
    EXPECT_EQ(progId + L".1", ReadString(HKEY_CLASSES_ROOT, cls + L"\\ProgID"));
    EXPECT_EQ(progId, ReadString(HKEY_CLASSES_ROOT, cls + L"\\VersionIndependentProgID"));
    EXPECT_EQ(ModulePath(), ReadString(HKEY_CLASSES_ROOT, cls + L"\\InprocServer32"));
    EXPECT_EQ(L"Apartment", ReadString(HKEY_CLASSES_ROOT, cls + L"\\InprocServer32", L"ThreadingModel"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, cls + L"\\Implemented Categories\\" + kCategory));
    std::wstring lower = Word();
    for (wchar_t& c : lower) c = towlower(c);
    const auto genesis = ReadString(HKEY_CLASSES_ROOT, cls, L"Genesis");
    ASSERT_TRUE(genesis);
    EXPECT_TRUE(genesis->ends_with(L"/pc/ondelle/glyphset/" + lower + L".df")) << *genesis;

    ComPtr<ITypeLib> library;
    ASSERT_EQ(S_OK, LoadRegTypeLib(SuiteIdentity().libid, 1, 0, 0, library.put()));
    BSTR help = nullptr;
    ASSERT_EQ(S_OK, library->GetDocumentation(-1, nullptr, &help, nullptr, nullptr));
    // Static's library knows only the drawing interfaces.
    EXPECT_EQ(IsStatic() ? L"Static 1.0 Type Library" : Word() + L" 1.1 Type Library", std::wstring(help));
    SysFreeString(help);
    const std::vector<const IID*> declared =
        IsStatic() ? std::vector<const IID*>{&IID_IViviFont, &IID_IParagraphAccess, &IID_IFontManager}
                   : std::vector<const IID*>{&IID_IViviFont, &IID_IViviFontProperty, &IID_IViviFontActivation};
    for (const IID* iid : declared) {
        ComPtr<ITypeInfo> info;
        EXPECT_EQ(S_OK, library->GetTypeInfoOfGuid(*iid, info.put()));
    }
    ComPtr<ITypeInfo> absent;
    EXPECT_EQ(IsStatic(), library->GetTypeInfoOfGuid(IID_IViviFontProperty, absent.put()) != S_OK);
}

TEST_F(EffectModule, IsCreatedByClassIdAndProgIdAndFoundThroughTheCategory) {
    ComPtr<IViviFont> effect;
    ASSERT_EQ(S_OK, CoCreateInstance(SuiteIdentity().clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IViviFont,
                                     effect.put_void()));
    CLSID byProgId{};
    ASSERT_EQ(S_OK, CLSIDFromProgID((L"ViviFont." + ClassName() + L".1").c_str(), &byProgId));
    EXPECT_TRUE(IsEqualCLSID(SuiteIdentity().clsid, byProgId));

    HICON icon = nullptr;
    ASSERT_EQ(S_OK, effect->Icon(&icon));
    EXPECT_NE(nullptr, icon) << "the module's own icon";
    comkit::TaskMemString name;
    effect->Name(name.put());
    EXPECT_STREQ(SuiteIdentity().displayName, name.get());

    ComPtr<ICatInformation> categories;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_ICatInformation, categories.put_void()));
    CATID wanted[] = {contract::CATID_ViviFontObjects};
    ComPtr<IEnumGUID> classes;
    ASSERT_EQ(S_OK, categories->EnumClassesOfCategories(1, wanted, static_cast<ULONG>(-1), nullptr, classes.put()));
    bool found = false;
    CLSID clsid;
    ULONG fetched = 0;
    while (classes->Next(1, &clsid, &fetched) == S_OK) found = found || IsEqualCLSID(clsid, SuiteIdentity().clsid);
    EXPECT_TRUE(found);
}

TEST_F(EffectModule, UnregisteringRemovesItsOwnKeysButNotTheCategoryOrOtherClasses) {
    const wchar_t other[] = L"CLSID\\{0BADF00D-0000-4000-8000-000000000001}";
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT, other, nullptr, REG_SZ, L"Other", 12));
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(other) + L"\\Implemented Categories\\" + kCategory).c_str(),
                              nullptr, REG_SZ, L"", 2));
    ASSERT_EQ(0, testsupport::Regsvr32(ModulePath(), true));
    EXPECT_EQ(L"Other", ReadString(HKEY_CLASSES_ROOT, other));
    RegDeleteTreeW(HKEY_CLASSES_ROOT, other);
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID\\" + ClsidText()));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont." + ClassName() + L".1"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont." + ClassName()));
    EXPECT_EQ(L"Tvk Vivi Font Objects",
              ReadString(HKEY_CLASSES_ROOT, std::wstring(L"Component Categories\\") + kCategory, L"409"));
    // Leave the module registered for whatever runs next.
    ASSERT_EQ(0, testsupport::Regsvr32(ModulePath()));
}

// The module loaded by path, as hosts load it to register it.
class LoadedModule {
public:
    LoadedModule() : module_(LoadLibraryW(ModulePath().c_str())) {}
    ~LoadedModule() { FreeLibrary(module_); }
    HMODULE get() const { return module_; }
    HRESULT CanUnloadNow() const { return Call<HRESULT(STDAPICALLTYPE*)()>("DllCanUnloadNow")(); }
    HRESULT GetClassObject(const CLSID& clsid, ComPtr<IClassFactory>& factory) const {
        return Call<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>("DllGetClassObject")(
            clsid, IID_IClassFactory, factory.put_void());
    }
    ComPtr<IClassFactory> Factory() const {
        ComPtr<IClassFactory> factory;
        GetClassObject(SuiteIdentity().clsid, factory);
        return factory;
    }

private:
    template <class Function>
    Function Call(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }
    HMODULE module_;
};

TEST(EffectModuleFile, CountsItsObjectsAndLocksForUnloading) {
    const LoadedModule module;
    ASSERT_NE(nullptr, module.get());
    EXPECT_EQ(S_OK, module.CanUnloadNow());
    ComPtr<IClassFactory> factory = module.Factory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(S_FALSE, module.CanUnloadNow());
    ComPtr<IViviFont> effect;
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IViviFont, effect.put_void()));
    ComPtr<IUnknown> refused;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(effect.get(), IID_IUnknown, refused.put_void()));
    factory->LockServer(TRUE);
    factory.reset();
    ComPtr<IViviFont> clone;
    ASSERT_EQ(S_OK, effect->Clone(clone.put()));
    effect.reset();
    EXPECT_EQ(S_FALSE, module.CanUnloadNow()) << "the clone and the lock";
    clone.reset();
    EXPECT_EQ(S_FALSE, module.CanUnloadNow()) << "the lock";
    module.Factory()->LockServer(FALSE);
    EXPECT_EQ(S_OK, module.CanUnloadNow());

    ComPtr<IClassFactory> none;
    const contract::Module another = IsStatic() ? contract::Module::Rain : contract::Module::Static;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, module.GetClassObject(contract::Identity(another).clsid, none));
    EXPECT_FALSE(none);
}

TEST(EffectModuleFile, CarriesItsVersionAndIcon) {
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
    EXPECT_EQ(Word() + L" Module", std::wstring(product));

    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    EXPECT_NE(nullptr, FindResourceA(module, MAKEINTRESOURCEA(SuiteIdentity().iconId), RT_GROUP_ICON));
    FreeLibrary(module);
}

}  // namespace
}  // namespace effectsuite
