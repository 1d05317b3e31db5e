// Netrune.dll as an installer and a page's host meet it: registered with
// regsvr32, created by its class and its ProgIDs, and showing a Rain run set
// entirely through PARAMs in our container.
#include <gtest/gtest.h>

#include "comkit/ComPtr.h"
#include "tests/support/System.h"
#include "tests/webcontrol/ModuleTestSupport.h"
#include "tests/webcontrol/TestContainer.h"
#include "webcontrol/netrune/Netrune.h"

namespace {

using testsupport::KeyExists;
using testsupport::ReadString;

const std::wstring kClassKey = L"CLSID\\{9B376BB3-73E3-11D2-8CD6-00A0C9A0F04D}";
const std::wstring kLibraryKey = L"TypeLib\\{F2852BC1-767B-11D2-8CD9-00A0C9A0F04D}";

class NetruneModule : public testing::Test {
protected:
    void TearDown() override {
        webtest::Regsvr32(webtest::NetruneModule(), true);
        webtest::Regsvr32(webtest::RainModule(), true);
    }
};

TEST_F(NetruneModule, RegistersTheControlItsProgIdsAndItsTypeLibrary) {
    // A library version 1.0 left by an older control goes at registration.
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CLASSES_ROOT, (kLibraryKey + L"\\1.0").c_str(), nullptr, REG_SZ,
                                             L"old", 8));
    ASSERT_EQ(0, webtest::Regsvr32(webtest::NetruneModule()));
    const std::wstring module = webtest::NetruneModule();
    EXPECT_EQ(L"Lettrix Class", ReadString(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_EQ(L"ViviFont.Lettrix.1", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\ProgID"));
    EXPECT_EQ(L"ViviFont.Lettrix", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\VersionIndependentProgID"));
    EXPECT_EQ(module, ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32"));
    EXPECT_EQ(L"Apartment", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\InprocServer32", L"ThreadingModel"));
    EXPECT_EQ(module + L", 101", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\ToolboxBitmap32"));
    EXPECT_EQ(L"0", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\MiscStatus"));
    EXPECT_EQ(L"131473", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\MiscStatus\\1"));
    EXPECT_EQ(L"{F2852BC1-767B-11D2-8CD9-00A0C9A0F04D}", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\TypeLib"));
    EXPECT_EQ(L"1.2", ReadString(HKEY_CLASSES_ROOT, kClassKey + L"\\Version"));
    for (const wchar_t* flag : {L"\\Programmable", L"\\Control"}) EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey + flag));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey + L"\\Implemented Categories"));
    EXPECT_EQ(L"Lettrix Class", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.Lettrix.1"));
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont.Lettrix.1\\Insertable"));
    EXPECT_EQ(L"ViviFont.Lettrix.1", ReadString(HKEY_CLASSES_ROOT, L"ViviFont.Lettrix\\CurVer"));
    EXPECT_EQ(L"Netrune Component type library.", ReadString(HKEY_CLASSES_ROOT, kLibraryKey + L"\\1.2"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kLibraryKey + L"\\1.0"));

    for (const wchar_t* progId : {L"ViviFont.Lettrix", L"ViviFont.Lettrix.1"}) {
        CLSID clsid{};
        ASSERT_EQ(S_OK, CLSIDFromProgID(progId, &clsid));
        EXPECT_TRUE(IsEqualCLSID(CLSID_Lettrix, clsid));
        comkit::ComPtr<ILettrix> control;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_ILettrix, control.put_void()));
    }

    ASSERT_EQ(0, webtest::Regsvr32(webtest::NetruneModule(), true));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont.Lettrix.1"));
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ViviFont.Lettrix"));
}

TEST_F(NetruneModule, ShowsARainRunSetEntirelyThroughParams) {
    ASSERT_EQ(0, webtest::Regsvr32(webtest::NetruneModule()));
    ASSERT_EQ(0, webtest::Regsvr32(webtest::RainModule()));
    constexpr COLORREF kBlue = RGB(0, 0, 255);
    webtest::TestContainer container;
    container.ambientBack = kBlue;
    // The same page with and without Rain's settings: only with them does
    // Rain keep its own black background instead of the page's blue.
    for (const bool withSettings : {false, true}) {
        CLSID clsid{};
        ASSERT_EQ(S_OK, CLSIDFromProgID(L"ViviFont.Lettrix", &clsid));
        comkit::ComPtr<IUnknown> control;
        ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, control.put_void()));
        webtest::PropertyBag params({{L"ViviFontCLSID", webtest::ClsidText(webtest::RainClsid())},
                                     {L"Text", L"雨だ！"},
                                     {L"StaticFontSize", L"48"}});
        if (withSettings) params.values.emplace_back(L"ViviFontProperty", webtest::Base64(webtest::RainRecordWithoutRunColours()));
        ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
        const auto shown = [&] {
            return withSettings ? webtest::ShowsRainsOwnBackground(control.get(), kBlue)
                                : webtest::WindowCount(control.get(), kBlue) > webtest::kBackgroundShown;
        };
        EXPECT_TRUE(webtest::PumpUntil(shown, webtest::kEventTimeout))
            << (withSettings ? "with" : "without") << " settings: " << webtest::WindowCount(control.get(), kBlue)
            << " pixels of the page's blue, " << webtest::WindowCount(control.get(), RGB(0, 0, 0)) << " of black";
        webtest::Unembed(control.get());
    }
    EXPECT_EQ(0u, container.references());
}

}  // namespace
