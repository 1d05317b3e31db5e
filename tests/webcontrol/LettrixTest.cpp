// The control driven through its interfaces as a page's host and script do,
// with the spy effect created in this process.
#include <gtest/gtest.h>

#include "comkit/ModuleState.h"
#include "tests/support/FakeEffect.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/webcontrol/LoopbackServer.h"
#include "tests/webcontrol/PropertyRecords.h"
#include "tests/webcontrol/SpyLog.h"
#include "tests/webcontrol/TestContainer.h"
#include "textrun/RunShared.h"
#include "webcontrol/Lettrix.h"
#include "winkit/AnsiText.h"

namespace {

using webtest::PropertyBag;

VARIANT Text(const wchar_t* text) {
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    return value;
}

class Lettrix : public testing::Test {
protected:
    void SetUp() override {
        liveBefore_ = comkit::ModuleState::LiveObjects();
        control = comkit::ComPtr<IUnknown>(static_cast<ILettrix*>(new netrune::Lettrix));
    }
    void TearDown() override {
        control.reset();
        EXPECT_EQ(liveBefore_, comkit::ModuleState::LiveObjects()) << "an object of the control outlived it";
    }

    HRESULT Put(const wchar_t* name, const wchar_t* text) {
        VARIANT value = Text(text);
        const HRESULT hr = webtest::PutByName(control.get(), name, value);
        VariantClear(&value);
        return hr;
    }
    HRESULT Load(PropertyBag& bag) {
        return control.As<IPersistPropertyBag>(IID_IPersistPropertyBag)->Load(&bag, nullptr);
    }
    // The run as the spy's last ChangeParagraph saw it.
    std::string LastRun() const {
        const auto calls = spy.Calls({"ChangeParagraph"});
        return calls.empty() ? "" : calls.back().substr(calls.back().find("text="));
    }

    // A face of the installed-font table other than its first, as a page names it.
    static std::wstring SecondFace() {
        const auto& table = textrun::RunShared::InstalledFonts();
        return table.size() > 1 ? winkit::ToWide(table[1].lfFaceName) : L"";
    }
    static std::string Utf8(const std::wstring& text) { return winkit::ToAnsi(text, CP_UTF8); }

    webtest::SpyLog spy;
    webtest::SpyClass spyClass;
    testsupport::MessageBoxLog notices;
    comkit::ComPtr<IUnknown> control;

private:
    long liveBefore_ = 0;
};

TEST_F(Lettrix, AnswersItsDefaultsBeforeAnyPut) {
    EXPECT_EQ(L"{00000000-0000-0000-0000-000000000000}", webtest::GetText(control.get(), L"ViviFontCLSID"));
    EXPECT_EQ(L"NOTPROPERTY", webtest::GetText(control.get(), L"ViviFontProperty"));
    EXPECT_EQ(L"16", webtest::GetText(control.get(), L"StaticFontSize"));
    EXPECT_EQ(L"ＭＳ ゴシック", webtest::GetText(control.get(), L"StaticFontName"));
    EXPECT_EQ(L"Vivi！", webtest::GetText(control.get(), L"Text"));
    EXPECT_EQ(L"", webtest::GetText(control.get(), L"ViviFontCodeBase"));
    DWORD supported = 0, enabled = 0;
    control.As<IObjectSafety>(IID_IObjectSafety)->GetInterfaceSafetyOptions(IID_IDispatch, &supported, &enabled);
    EXPECT_EQ(3u, supported);
    EXPECT_EQ(3u, enabled);
}

TEST_F(Lettrix, AnswersEveryControlInterfaceWithOneIdentity) {
    comkit::ComPtr<IUnknown> identity;
    ASSERT_EQ(S_OK, control->QueryInterface(IID_IUnknown, identity.put_void()));
    for (const IID* iid : {&IID_ILettrix, &IID_IDispatch, &IID_IObjectSafety, &IID_IViewObjectEx, &IID_IViewObject2,
                           &IID_IViewObject, &IID_IOleInPlaceObjectWindowless, &IID_IOleInPlaceObject, &IID_IOleWindow,
                           &IID_IOleInPlaceActiveObject, &IID_IOleControl, &IID_IOleObject, &IID_IPersistStreamInit,
                           &IID_IPersist, &IID_IPersistPropertyBag, &IID_ISupportErrorInfo,
                           &IID_IConnectionPointContainer}) {
        comkit::ComPtr<IUnknown> answer;
        ASSERT_EQ(S_OK, control->QueryInterface(*iid, answer.put_void()));
        comkit::ComPtr<IUnknown> back;
        answer->QueryInterface(IID_IUnknown, back.put_void());
        EXPECT_EQ(identity.get(), back.get());
    }
    comkit::ComPtr<IUnknown> none;
    EXPECT_EQ(E_NOINTERFACE, control->QueryInterface(IID_IProvideClassInfo, none.put_void()));
    EXPECT_EQ(S_OK, control.As<ISupportErrorInfo>(IID_ISupportErrorInfo)->InterfaceSupportsErrorInfo(IID_ILettrix));
    // The control fires no events.
    const auto points = control.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    comkit::ComPtr<IConnectionPoint> point;
    EXPECT_EQ(CONNECT_E_NOCONNECTION, points->FindConnectionPoint(IID_IPropertyNotifySink, point.put()));
    comkit::ComPtr<IEnumConnectionPoints> all;
    ASSERT_EQ(S_OK, points->EnumConnectionPoints(all.put()));
    IConnectionPoint* next = nullptr;
    ULONG fetched = 1;
    EXPECT_EQ(S_FALSE, all->Next(1, &next, &fetched));
    EXPECT_EQ(0u, fetched);
}

TEST_F(Lettrix, AppliesAPagesParamsInMapOrderWithTheSettingsRecordLast) {
    const webtest::Bytes payload{7, 1, 2, 3, 4, 5};
    const std::wstring face = SecondFace();
    ASSERT_FALSE(face.empty());
    PropertyBag bag({{L"ViviFontProperty", webtest::Base64(webtest::Record(6, 2, payload))},
                     {L"StaticFontName", face},
                     {L"StaticFontSize", L"24"},
                     {L"Text", L"雨の日"},
                     {L"ViviFontCLSID", webtest::SpyClass::Text()},
                     {L"ViviFontCodeBase", L"http://127.0.0.1:9/never/spy.df"}});
    ASSERT_EQ(S_OK, Load(bag));
    EXPECT_EQ((std::vector<std::wstring>{L"_cx", L"_cy", L"Text", L"ViviFontCLSID", L"ViviFontCodeBase",
                                         L"StaticFontSize", L"StaticFontName", L"ViviFontProperty"}),
              bag.reads);
    // The code base's put made the effect anew; its settings come after it.
    const auto calls = spy.Calls({"Created", "Released", "SetFontManager", "SetParagraph", "LoadProperty"});
    ASSERT_EQ(8u, calls.size());
    EXPECT_EQ("#1 Created", calls[0]);
    EXPECT_EQ("#1 SetFontManager", calls[1]);
    EXPECT_EQ("#1 SetParagraph", calls[2]);
    EXPECT_EQ("#2 Created", calls[3]);
    EXPECT_EQ("#1 Released", calls[4]);
    EXPECT_EQ("#2 SetFontManager", calls[5]);
    EXPECT_EQ("#2 SetParagraph", calls[6]);
    EXPECT_EQ("#2 LoadProperty size=6 version=2 data=" + testsupport::Hex(payload), calls[7]);
    EXPECT_EQ("text=雨の日 height=-24 face=" + Utf8(face) + " color=ffffff bk=000000", LastRun());
    EXPECT_TRUE(notices.boxes.empty());
}

TEST_F(Lettrix, NeverHandsTheEffectARecordShorterThanItsSizeSays) {
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    for (const webtest::Bytes& record : {webtest::Record(7, 2, {1, 2, 3}), webtest::Record(-4, 2, {1, 2, 3, 4}),
                                         webtest::Bytes{1, 0, 0}})
        ASSERT_EQ(S_OK, Put(L"ViviFontProperty", webtest::Base64(record).c_str()));
    EXPECT_EQ(0, spy.Count("LoadProperty"));
    ASSERT_EQ(S_OK, Put(L"ViviFontProperty", webtest::Base64(webtest::Record(3, 2, {1, 2, 3})).c_str()));
    EXPECT_EQ(1, spy.Count("LoadProperty"));
    EXPECT_EQ(webtest::Base64(webtest::Record(3, 2, {1, 2, 3})), webtest::GetText(control.get(), L"ViviFontProperty"));
}

TEST_F(Lettrix, ShowsTextSetFromScriptAtOnce) {
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    ASSERT_EQ(S_OK, Put(L"Text", L"abc"));
    EXPECT_EQ(0u, LastRun().find("text=abc height=-36 face=")) << LastRun();
}

TEST_F(Lettrix, TakesTheContainersAmbientColoursAndKeepsItsOwnWithoutThem) {
    webtest::TestContainer container;
    const auto object = control.As<IOleObject>(IID_IOleObject);
    ASSERT_EQ(S_OK, object->SetClientSite(&container));
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    EXPECT_NE(std::string::npos, LastRun().find("color=ffffff bk=000000")) << "no ambient values: white on black";
    container.ambientBack = RGB(0, 0, 0x80);
    container.ambientFore = 0x80000000 | COLOR_WINDOWTEXT;  // a system colour
    ASSERT_EQ(S_OK, Put(L"Text", L"x"));
    char expected[64];
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    snprintf(expected, sizeof expected, "color=%06lx bk=800000", static_cast<unsigned long>(text));
    EXPECT_NE(std::string::npos, LastRun().find(expected)) << LastRun();
    object->SetClientSite(nullptr);
    EXPECT_EQ(0u, container.references());
}

TEST_F(Lettrix, ReportsABadClassTextWithinBoundsAndAFailedCreationWithItsCode) {
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", L"not a class"));
    ASSERT_EQ(1u, notices.boxes.size());
    EXPECT_EQ(L"指定されたCLSID(not a class)は不正です\n", notices.boxes[0].text);
    EXPECT_EQ(L"ViviFont Failed", notices.boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), notices.boxes[0].type);

    // The message is ANSI text of at most 127 bytes, cut between characters:
    // "指定されたCLSID(" takes 16 bytes, each "x" one and each "あ" two.
    const std::wstring prefix = L"指定されたCLSID(";
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", std::wstring(5000, L'x').c_str()));
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", std::wstring(5000, L'あ').c_str()));
    ASSERT_EQ(3u, notices.boxes.size());
    EXPECT_EQ(prefix + std::wstring(111, L'x'), notices.boxes[1].text);
    EXPECT_EQ(prefix + std::wstring(55, L'あ'), notices.boxes[2].text);

    // Without a code base a failed creation says nothing; with one that
    // cannot be downloaded it reports the failure.
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", L"{12345678-0000-0000-0000-000000000000}"));
    ASSERT_EQ(3u, notices.boxes.size());
    ASSERT_EQ(S_OK, Put(L"ViviFontCodeBase", L"http://127.0.0.1:9/glyphset/CON"));
    ASSERT_EQ(4u, notices.boxes.size());
    EXPECT_EQ(L"指定されたViviフォント[CLSID:{12345678-0000-0000-0000-000000000000}]の\n"
              L"::CoCreateInstance()に失敗しました(SCODE=0x80040154)",
              notices.boxes[3].text);
    EXPECT_EQ(L"ViviFont Failed", notices.boxes[3].caption);
}

TEST_F(Lettrix, EveryClassPutMakesANewEffect) {
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    EXPECT_EQ((std::vector<std::string>{"#1 Created", "#2 Created", "#1 Released"}),
              spy.Calls({"Created", "Released"}));
}

TEST_F(Lettrix, ExtentIsTheEffectsAreaInHimetric) {
    const auto object = control.As<IOleObject>(IID_IOleObject);
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    HDC screen = GetDC(nullptr);
    const SIZEL expected{MulDiv(120, 2540, GetDeviceCaps(screen, LOGPIXELSX)),
                         MulDiv(40, 2540, GetDeviceCaps(screen, LOGPIXELSY))};
    ReleaseDC(nullptr, screen);
    SIZEL extent{};
    ASSERT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &extent));
    EXPECT_EQ(expected.cx, extent.cx);
    EXPECT_EQ(expected.cy, extent.cy);
}

TEST_F(Lettrix, SavesToAStreamAndComesBackFromIt) {
    ASSERT_EQ(S_OK, Put(L"Text", L"保存"));
    ASSERT_EQ(S_OK, Put(L"ViviFontCLSID", webtest::SpyClass::Text().c_str()));
    ASSERT_EQ(S_OK, Put(L"StaticFontSize", L"20"));
    ASSERT_EQ(S_OK, Put(L"ViviFontProperty", webtest::Base64(webtest::Record(1, 2, {9})).c_str()));
    comkit::ComPtr<IStream> stream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    ASSERT_EQ(S_OK, control.As<IPersistStreamInit>(IID_IPersistStreamInit)->Save(stream.get(), TRUE));

    comkit::ComPtr<IUnknown> copy(static_cast<ILettrix*>(new netrune::Lettrix));
    spy.Clear();
    ASSERT_EQ(S_OK, stream->Seek({}, STREAM_SEEK_SET, nullptr));
    ASSERT_EQ(S_OK, copy.As<IPersistStreamInit>(IID_IPersistStreamInit)->Load(stream.get()));
    for (const wchar_t* name : {L"Text", L"ViviFontCLSID", L"StaticFontSize", L"ViviFontProperty"})
        EXPECT_EQ(webtest::GetText(control.get(), name), webtest::GetText(copy.get(), name));
    EXPECT_EQ(1, spy.Count("LoadProperty"));
    // A stream cut short is refused.
    ULARGE_INTEGER size{};
    stream->Seek({}, STREAM_SEEK_CUR, &size);
    stream->SetSize({{static_cast<DWORD>(size.QuadPart / 2), 0}});
    stream->Seek({}, STREAM_SEEK_SET, nullptr);
    EXPECT_TRUE(FAILED(copy.As<IPersistStreamInit>(IID_IPersistStreamInit)->Load(stream.get())));
}

TEST_F(Lettrix, ZeroClassWithACodeBaseStartsNoDownload) {
    webtest::LoopbackServer server;
    ASSERT_EQ(S_OK, Put(L"ViviFontCodeBase", server.Url("/glyphset/rain.df").c_str()));
    // A fixed wait: a request that never comes gives no event to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_EQ(0, server.Requests("/glyphset/rain.df"));
    EXPECT_TRUE(notices.boxes.empty());
}

}  // namespace
