// Missing effect modules downloaded from a loopback HTTP server (and a file:
// address) into the shared folder: what is kept, what is registered, what
// the effect gets, and what never happens on a bad download.
#include <gtest/gtest.h>

#include <filesystem>

#include "comkit/ModuleState.h"
#include "tests/webcontrol/LoopbackServer.h"
#include "tests/webcontrol/ModuleTestSupport.h"
#include "tests/webcontrol/NoticeLog.h"
#include "tests/webcontrol/SpyLog.h"
#include "tests/webcontrol/TestContainer.h"
#include "tests/webcontrol/spy/SpyFont.h"
#include "webcontrol/DownloadTarget.h"
#include "webcontrol/Lettrix.h"
#include "winkit/AnsiText.h"

namespace {

using webtest::LoopbackServer;

constexpr DWORD kDownloadTimeout = 15000;

class Download : public testing::Test {
protected:
    void SetUp() override {
        ForgetClasses();
        folder_ = netrune::SharedModuleFolder();
        liveBefore_ = comkit::ModuleState::LiveObjects();
        control = comkit::ComPtr<IUnknown>(static_cast<ILettrix*>(new netrune::Lettrix));
    }
    void TearDown() override {
        if (control) {
            webtest::Unembed(control.get());
            control.reset();
        }
        EXPECT_TRUE(webtest::PumpUntil([&] { return comkit::ModuleState::LiveObjects() == liveBefore_; }, 2000))
            << "the downloader outlived its control";
        ForgetClasses();
        CoFreeUnusedLibrariesEx(0, 0);
        for (const std::wstring& name : written_) DeleteFileW(netrune::JoinPath(folder_, name).c_str());
    }
    static void ForgetClasses() {
        webtest::ForgetClass(spy::SpyFont::ClassId());
        webtest::ForgetClass(webtest::RainClsid());
    }
    // The file a code base ending in `name` is written to; removed after the test.
    std::wstring Target(const std::wstring& name) {
        written_.push_back(name);
        return netrune::JoinPath(folder_, name);
    }
    bool Exists(const std::wstring& name) { return GetFileAttributesW(Target(name).c_str()) != INVALID_FILE_ATTRIBUTES; }
    // Files the downloader writes before a download is complete.
    int PartialFiles() const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"\\vvf*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return 0;
        int count = 1;
        while (FindNextFileW(search, &found)) ++count;
        FindClose(search);
        return count;
    }
    HRESULT EmbedWith(const std::wstring& clsid, const std::wstring& codeBase) {
        webtest::PropertyBag params({{L"ViviFontCLSID", clsid},
                                     {L"ViviFontCodeBase", codeBase},
                                     {L"Text", L"落ちてきた"},
                                     {L"ViviFontProperty", webtest::Base64(record_)}});
        return webtest::Embed(control.get(), container, &params);
    }
    // The server's body for a module file.
    static std::string Module(const std::wstring& path) { return webtest::FileBytes(path); }

    const webtest::Bytes record_ = webtest::Record(3, 2, {0xAB, 0xCD, 0xEF});
    LoopbackServer server;
    webtest::SpyLog spy;
    webtest::NoticeLog notices;
    webtest::TestContainer container;
    comkit::ComPtr<IUnknown> control;

private:
    std::wstring folder_;
    std::vector<std::wstring> written_;
    long liveBefore_ = 0;
};

TEST_F(Download, AMissingModuleIsKeptRegisteredAtItsPathAndGivenThePagesSettings) {
    server.Serve("/glyphset/spy-good.df", Module(webtest::SpyModule()));
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/glyphset/spy-good.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return spy.Count("LoadProperty") > 0; }, kDownloadTimeout));
    EXPECT_EQ(Module(webtest::SpyModule()), webtest::FileBytes(Target(L"spy-good.df")));
    const auto registered = webtest::RegisteredServer(spy::SpyFont::ClassId());
    ASSERT_TRUE(registered);
    EXPECT_EQ(0, _wcsicmp(Target(L"spy-good.df").c_str(), registered->c_str()));
    EXPECT_EQ((std::vector<std::string>{"#1 Created", "#1 SetFontManager", "#1 SetParagraph",
                                        "#1 LoadProperty size=3 version=2 data=abcdef"}),
              spy.Calls({"Created", "SetFontManager", "SetParagraph", "LoadProperty"}));
    EXPECT_EQ(1, server.Requests("/glyphset/spy-good.df"));
    EXPECT_EQ(1, container.layoutRequests());
    EXPECT_EQ(0, PartialFiles());
    EXPECT_TRUE(notices.notices.empty());
}

TEST_F(Download, AMissingRainModuleIsShownWithThePagesSettings) {
    server.Serve("/pc/ondelle/glyphset/rain.df", Module(webtest::RainModule()));
    container.ambientBack = RGB(0, 0, 255);
    webtest::PropertyBag params({{L"ViviFontCLSID", webtest::ClsidText(webtest::RainClsid())},
                                 {L"ViviFontCodeBase", server.Url("/pc/ondelle/glyphset/rain.df")},
                                 {L"Text", L"雨だ！"},
                                 {L"StaticFontSize", L"48"},
                                 {L"ViviFontProperty", webtest::Base64(webtest::RainRecordWithoutRunColours())}});
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    ASSERT_TRUE(webtest::PumpUntil([&] { return webtest::RegisteredServer(webtest::RainClsid()).has_value(); },
                                   kDownloadTimeout));
    EXPECT_EQ(0, _wcsicmp(Target(L"rain.df").c_str(), webtest::RegisteredServer(webtest::RainClsid())->c_str()));
    webtest::Pump(300);
    EXPECT_GT(webtest::WindowCount(control.get(), RGB(0, 0, 0)), webtest::kBackgroundShown);
    EXPECT_LT(webtest::WindowCount(control.get(), RGB(0, 0, 255)), webtest::kBackgroundAbsent)
        << "the settings keep the page's blue out";
    EXPECT_TRUE(notices.notices.empty());
}

// What every failed download leaves: nothing kept, nothing registered, one
// request, and the failure reported once.
class FailedDownload : public Download, public testing::WithParamInterface<LoopbackServer::Reply> {};

TEST_P(FailedDownload, KeepsAndRegistersNothing) {
    server.Serve("/glyphset/spy-bad.df", Module(webtest::SpyModule()), GetParam());
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/glyphset/spy-bad.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.notices.empty(); }, kDownloadTimeout));
    webtest::Pump(200);
    EXPECT_FALSE(Exists(L"spy-bad.df"));
    EXPECT_EQ(0, PartialFiles());
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
    EXPECT_EQ(0, spy.Count("Created"));
    EXPECT_EQ(1, server.Requests("/glyphset/spy-bad.df"));
    ASSERT_EQ(1u, notices.notices.size());
    EXPECT_NE(std::wstring::npos, notices.notices[0].text.find(L"::CoCreateInstance()に失敗しました"));
}

INSTANTIATE_TEST_SUITE_P(HttpErrorAndServerClosingMidTransfer, FailedDownload,
                         testing::Values(LoopbackServer::Reply::NotFound, LoopbackServer::Reply::CutShort));

TEST_F(Download, ACodeBaseThatNamesNoPlainFileFetchesNothing) {
    for (const char* path : {"/glyphset/..", "/glyphset/../", "/glyphset/CON", "/glyphset/nul.df"}) {
        const std::size_t before = notices.notices.size();
        ASSERT_EQ(S_OK, webtest::PutByName(control.get(), L"ViviFontCodeBase",
                                           [&] {
                                               VARIANT v;
                                               v.vt = VT_BSTR;
                                               v.bstrVal = SysAllocString(server.Url(path).c_str());
                                               return v;
                                           }()));
        if (before == 0) {
            ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url(path)));
        }
        EXPECT_GT(notices.notices.size(), before) << path;
    }
    webtest::Pump(300);
    EXPECT_EQ(0, server.TotalRequests());
    EXPECT_EQ(0, PartialFiles());
}

TEST_F(Download, AModuleThatNeverYieldsTheClassIsFetchedOnce) {
    server.Serve("/junk/spy-junk.df", "this is no module");
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/junk/spy-junk.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.notices.empty(); }, kDownloadTimeout));
    webtest::Pump(500);
    EXPECT_EQ(1, server.Requests("/junk/spy-junk.df"));
    EXPECT_EQ(1u, notices.notices.size());
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
}

TEST_F(Download, AFileAddressCompletesInsideTheCallThatStartsIt) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring source = std::wstring(temp) + L"spy-file.df";
    ASSERT_TRUE(CopyFileW(webtest::SpyModule().c_str(), source.c_str(), FALSE));
    std::wstring address = L"file:///" + source;
    for (wchar_t& c : address)
        if (c == L'\\') c = L'/';
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), address));
    ASSERT_TRUE(webtest::PumpUntil([&] { return spy.Count("LoadProperty") > 0; }, kDownloadTimeout))
        << (notices.notices.empty() ? "no notice" : winkit::ToAnsi(notices.notices[0].text, CP_UTF8)) << " "
        << Exists(L"spy-file.df") << " " << PartialFiles();
    const auto registered = webtest::RegisteredServer(spy::SpyFont::ClassId());
    ASSERT_TRUE(registered);
    EXPECT_EQ(0, _wcsicmp(Target(L"spy-file.df").c_str(), registered->c_str()));
    EXPECT_EQ(1, spy.Count("Created"));
    EXPECT_TRUE(notices.notices.empty());
    DeleteFileW(source.c_str());
}

TEST_F(Download, AControlGoneMidDownloadAbortsItAndHearsNothing) {
    server.Serve("/glyphset/spy-slow.df", Module(webtest::SpyModule()), LoopbackServer::Reply::Stall);
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/glyphset/spy-slow.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return server.Requests("/glyphset/spy-slow.df") > 0; }, kDownloadTimeout));
    webtest::Pump(200);
    webtest::Unembed(control.get());
    control.reset();
    webtest::Pump(500);
    EXPECT_EQ(0, PartialFiles());
    EXPECT_FALSE(Exists(L"spy-slow.df"));
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
    EXPECT_TRUE(notices.notices.empty());
}

}  // namespace
