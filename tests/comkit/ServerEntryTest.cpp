#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "comkit/ServerEntry.h"
#include "winkit/RegistryKey.h"

namespace {

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length) + L"\\" + name;
}

TEST(ServerEntry, TellsAModuleThatDoesNotLoadFromOneWithoutTheEntry) {
    const std::wstring missing = SystemFile(L"no-such-module-here.dll");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND),
              comkit::CallServerEntry(missing, comkit::ServerEntry::Register));

    // A system module that is no COM server: it loads, but has no entry.
    const std::wstring plain = SystemFile(L"version.dll");
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), comkit::CallServerEntry(plain, comkit::ServerEntry::Register));
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND),
              comkit::CallServerEntry(plain, comkit::ServerEntry::Unregister));
}

// A class of this test's own, in the test prefix's registry.
constexpr CLSID kClass = {0x5e6f1a2b, 0x4c3d, 0x4e5f, {0x81, 0x92, 0xa3, 0xb4, 0xc5, 0xd6, 0xe7, 0xf8}};
constexpr wchar_t kClassKey[] = L"CLSID\\{5E6F1A2B-4C3D-4E5F-8192-A3B4C5D6E7F8}";

class RegisteredServerTest : public testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey); }

    void Register(DWORD type, const void* value, DWORD bytes) {
        const std::wstring name = std::wstring(kClassKey) + L"\\InprocServer32";
        winkit::RegistryKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                                 key.out(), nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key.get(), nullptr, 0, type, static_cast<const BYTE*>(value), bytes));
    }
};

TEST_F(RegisteredServerTest, AnswersTheFileNamedOnlyWhenItIsText) {
    EXPECT_EQ(L"", comkit::RegisteredServer(kClass));

    const wchar_t path[] = L"C:\\effects\\Rain.dll";
    Register(REG_SZ, path, sizeof path);
    EXPECT_EQ(path, comkit::RegisteredServer(kClass));

    const DWORD number = 7;
    Register(REG_DWORD, &number, sizeof number);
    EXPECT_EQ(L"", comkit::RegisteredServer(kClass));
}

}  // namespace
