#include <gtest/gtest.h>

#include "comkit/Registrar.h"
#include "tests/support/System.h"
#include "winkit/RegistryKey.h"

namespace {

using testsupport::KeyExists;
using testsupport::ReadString;

const wchar_t kScript[] = LR"(
HKCR
{
	Prog.Thing.1 = s 'Thing Class'
	{
		CLSID = s '{11111111-2222-3333-4444-555555555555}'
	}
	NoRemove 'Component Categories'
	{
		ForceRemove {805C7300-56D9-11d2-B8E1-00A0C96EED8B}
		{
			val 409 = s 'Tvk Vivi Font Objects'
		}
	}
	NoRemove CLSID
	{
		ForceRemove {11111111-2222-3333-4444-555555555555} = s 'Thing Class'
		{
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
			}
		}
	}
})";

// Each test writes below a private key of the current user, never into the
// machine's classes.
class Registrar : public testing::Test {
protected:
    void SetUp() override {
        path_ = L"Software\\QuillonTests\\Registrar" + std::to_wstring(GetCurrentProcessId());
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, root_.out(), nullptr));
    }
    void TearDown() override {
        root_ = winkit::RegistryKey();
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    }
    comkit::RegistryScript Script() {
        auto script = comkit::ParseRegistryScript(kScript, {{L"MODULE", L"C:\\m.dll"}});
        EXPECT_TRUE(script);
        return *script;
    }
    HKEY root() const { return root_.get(); }

    std::wstring path_;
    winkit::RegistryKey root_;
};

TEST_F(Registrar, WritesKeysAndReplacesForceRemoveSubtrees) {
    // A stale value below the class key must not survive a new registration.
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}\\Stale", nullptr,
                                             REG_SZ, L"x", 4));
    ASSERT_EQ(S_OK, comkit::RegisterScript(Script(), root()));
    EXPECT_EQ(L"Thing Class", ReadString(root(), L"Prog.Thing.1"));
    EXPECT_EQ(L"{11111111-2222-3333-4444-555555555555}", ReadString(root(), L"Prog.Thing.1\\CLSID"));
    EXPECT_EQ(L"C:\\m.dll", ReadString(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32"));
    EXPECT_EQ(L"Apartment", ReadString(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32",
                                       L"ThreadingModel"));
    EXPECT_EQ(L"Tvk Vivi Font Objects",
              ReadString(root(), L"Component Categories\\{805C7300-56D9-11d2-B8E1-00A0C96EED8B}", L"409"));
    EXPECT_FALSE(KeyExists(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}\\Stale"));

    // A second registration is harmless.
    ASSERT_EQ(S_OK, comkit::RegisterScript(Script(), root()));
    EXPECT_EQ(L"Thing Class", ReadString(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}"));
}

TEST_F(Registrar, UnregisteringLeavesNoRemoveKeysTheCategoryAndOtherClasses) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(root(), L"CLSID\\{99999999-0000-0000-0000-000000000000}", nullptr, REG_SZ,
                                             L"Other", 12));
    ASSERT_EQ(S_OK, comkit::RegisterScript(Script(), root()));
    ASSERT_EQ(S_OK, comkit::UnregisterScript(Script(), root()));
    EXPECT_FALSE(KeyExists(root(), L"Prog.Thing.1"));
    EXPECT_FALSE(KeyExists(root(), L"CLSID\\{11111111-2222-3333-4444-555555555555}"));
    EXPECT_TRUE(KeyExists(root(), L"CLSID"));
    EXPECT_EQ(L"Other", ReadString(root(), L"CLSID\\{99999999-0000-0000-0000-000000000000}"));
    EXPECT_EQ(L"Tvk Vivi Font Objects",
              ReadString(root(), L"Component Categories\\{805C7300-56D9-11d2-B8E1-00A0C96EED8B}", L"409"));
    // Unregistering what is not there succeeds.
    EXPECT_EQ(S_OK, comkit::UnregisterScript(Script(), root()));
}

TEST_F(Registrar, DeleteRemovesAnOldVersionKeyAtRegistrationAndNothingAtUnregistration) {
    const wchar_t script[] = LR"(
HKCR
{
	NoRemove TypeLib
	{
		NoRemove {F2852BC1-767B-11D2-8CD9-00A0C9A0F04D}
		{
			Delete '1.0'
		}
	}
})";
    const auto parsed = comkit::ParseRegistryScript(script, {});
    ASSERT_TRUE(parsed);
    const wchar_t* library = L"TypeLib\\{F2852BC1-767B-11D2-8CD9-00A0C9A0F04D}";
    const std::wstring old = std::wstring(library) + L"\\1.0";
    const std::wstring kept = std::wstring(library) + L"\\1.2";
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(root(), (old + L"\\0\\win32").c_str(), nullptr, REG_SZ, L"x", 4));
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(root(), kept.c_str(), nullptr, REG_SZ, L"y", 4));

    ASSERT_EQ(S_OK, comkit::RegisterScript(*parsed, root()));
    EXPECT_FALSE(KeyExists(root(), old));
    EXPECT_EQ(L"y", ReadString(root(), kept));
    // Registering again with the key already gone succeeds.
    ASSERT_EQ(S_OK, comkit::RegisterScript(*parsed, root()));

    ASSERT_EQ(S_OK, comkit::UnregisterScript(*parsed, root()));
    EXPECT_EQ(L"y", ReadString(root(), kept));
}

}  // namespace
