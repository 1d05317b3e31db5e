// Missing effect modules downloaded from a loopback HTTP server (and a file:
// address) into the shared folder: what is kept, what is registered, what
// the effect gets, and what never happens on a bad download.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "comkit/ModuleState.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/webcontrol/LoopbackServer.h"
#include "tests/webcontrol/ModuleTestSupport.h"
#include "tests/webcontrol/SpyLog.h"
#include "tests/webcontrol/TestContainer.h"
#include "tests/webcontrol/spy/SpyFont.h"
#include "webcontrol/DownloadTarget.h"
#include "webcontrol/Lettrix.h"
#include "webcontrol/ModuleDownloader.h"
#include "winkit/AnsiText.h"

namespace {

using webtest::kDownloadTimeout;
using webtest::LoopbackServer;

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
        EXPECT_TRUE(webtest::PumpUntil([&] { return AllObjectsGone(); }, webtest::kEventTimeout))
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
    // No object of the control's module is left, the downloader included:
    // nothing can call back any more.
    bool AllObjectsGone() const { return comkit::ModuleState::LiveObjects() == liveBefore_; }
    // The sizes of the files the downloader writes before a download is complete.
    std::vector<DWORD> PartialFileSizes() const {
        std::vector<DWORD> sizes;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"\\vvf*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return sizes;
        do sizes.push_back(found.nFileSizeLow);
        while (FindNextFileW(search, &found));
        FindClose(search);
        return sizes;
    }
    int PartialFiles() const { return static_cast<int>(PartialFileSizes().size()); }
    HRESULT EmbedWith(const std::wstring& clsid, const std::wstring& codeBase) {
        webtest::PropertyBag params({{L"ViviFontCLSID", clsid},
                                     {L"ViviFontCodeBase", codeBase},
                                     {L"Text", L"落ちてきた"},
                                     {L"ViviFontProperty", webtest::Base64(record_)}});
        return webtest::Embed(control.get(), container, &params);
    }
    // The server's body for a module file.
    static std::string Module(const std::wstring& path) { return webtest::FileBytes(path); }
    static bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
        std::ofstream out(path.c_str(), std::ios::binary);
        return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
    }
    // The largest file the platform's own cache of downloads wrote since then.
    static std::uintmax_t LargestCachedFileSince(std::filesystem::file_time_type since) {
        wchar_t cache[MAX_PATH];
        EXPECT_EQ(S_OK, SHGetFolderPathW(nullptr, CSIDL_INTERNET_CACHE, nullptr, SHGFP_TYPE_CURRENT, cache));
        std::uintmax_t largest = 0;
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(cache, error))
            if (entry.is_regular_file(error) && entry.last_write_time(error) >= since)
                largest = std::max(largest, entry.file_size(error));
        return largest;
    }
    HRESULT PutText(const wchar_t* name, const std::wstring& text) {
        VARIANT value;
        value.vt = VT_BSTR;
        value.bstrVal = SysAllocString(text.c_str());
        const HRESULT hr = webtest::PutByName(control.get(), name, value);
        VariantClear(&value);
        return hr;
    }

    const webtest::Bytes record_ = webtest::Record(3, 2, {0xAB, 0xCD, 0xEF});
    LoopbackServer server;
    webtest::SpyLog spy;
    testsupport::MessageBoxLog notices;
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
    EXPECT_TRUE(notices.boxes.empty());
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
    EXPECT_TRUE(webtest::PumpUntil([&] { return webtest::ShowsRainsOwnBackground(control.get(), RGB(0, 0, 255)); },
                                   webtest::kEventTimeout))
        << "the settings keep the page's blue out";
    EXPECT_TRUE(notices.boxes.empty());
}

// What every failed download leaves: the module already in the folder as it
// was, nothing registered, one request, and the failure reported once. A
// body cut short without a length, or before a chunked body's last chunk,
// ends like a whole one: only the module's own layout tells.
class FailedDownload : public Download, public testing::WithParamInterface<LoopbackServer::Reply> {};

TEST_P(FailedDownload, KeepsTheOldModuleAndRegistersNothing) {
    const std::string oldModule = Module(webtest::RainModule());
    ASSERT_TRUE(WriteFileBytes(Target(L"spy-bad.df"), oldModule));
    server.Serve("/glyphset/spy-bad.df", Module(webtest::SpyModule()), GetParam());
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/glyphset/spy-bad.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.boxes.empty(); }, kDownloadTimeout));
    // The download ended before its notice. A fixed wait: what must not
    // follow (another request, a registration) gives no event to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_TRUE(oldModule == webtest::FileBytes(Target(L"spy-bad.df"))) << "the old module was replaced";
    EXPECT_EQ(0, PartialFiles());
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
    EXPECT_EQ(0, spy.Count("Created"));
    EXPECT_EQ(1, server.Requests("/glyphset/spy-bad.df"));
    ASSERT_EQ(1u, notices.boxes.size());
    EXPECT_NE(std::wstring::npos, notices.boxes[0].text.find(L"::CoCreateInstance()に失敗しました"));
}

INSTANTIATE_TEST_SUITE_P(HttpErrorAndBodiesCutShort, FailedDownload,
                         testing::Values(LoopbackServer::Reply::NotFound, LoopbackServer::Reply::CutShort,
                                         LoopbackServer::Reply::CutShortUnannounced,
                                         LoopbackServer::Reply::CutShortChunked));

// A server that never stops sending, and one that sends the control round
// in circles: each download is cut off at its bound and fails once, with
// nothing kept. Wine's HTTP layer follows a loop on a thread of its own,
// even after the binding is aborted: it reports each redirect to the
// binding, which posts it to this thread, before it sends the next request.
// So the server answers a loop request only after a round of this thread's
// messages that began once the request was seen, by which time the control
// has heard of every redirect before it: however loaded the machine, the
// answers let go when the failure is reported are the redirects the control
// followed and the one it refused.
TEST_F(Download, AnEndlessBodyAndARedirectLoopAreCutOffWithNothingKept) {
    server.Serve("/endless/spy.df", "", LoopbackServer::Reply::Endless);
    const auto started = std::filesystem::file_time_type::clock::now() - std::chrono::seconds(2);
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/endless/spy.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.boxes.empty(); }, kDownloadTimeout));
    EXPECT_TRUE(webtest::PumpUntil([&] { return server.Answered("/endless/spy.df") == 1; }, kDownloadTimeout))
        << "the connection was left open";
    EXPECT_FALSE(Exists(L"spy.df"));
    EXPECT_EQ(0, PartialFiles());
    EXPECT_LE(LargestCachedFileSince(started), netrune::kMaxModuleBytes) << "the platform's cache kept the body";

    server.Redirect("/loop/spy-loop.df", "/loop/elsewhere.df");
    server.Redirect("/loop/elsewhere.df", "/loop/spy-loop.df");
    const auto loopRequests = [&] { return server.Requests("/loop/spy-loop.df") + server.Requests("/loop/elsewhere.df"); };
    server.Pace("/loop/spy-loop.df");
    server.Pace("/loop/elsewhere.df");
    int answersLetGo = 0;
    int answersAtFailure = 0;
    notices.whileShown = [&] { answersAtFailure = answersLetGo; };
    ASSERT_EQ(S_OK, PutText(L"ViviFontCodeBase", server.Url("/loop/spy-loop.df")));
    int seen = 0;
    ASSERT_TRUE(webtest::PumpUntil(
        [&] {
            answersLetGo = std::exchange(seen, loopRequests());
            server.LetPacedAnswersGo(answersLetGo);
            return notices.boxes.size() == 2;
        },
        kDownloadTimeout));
    EXPECT_EQ(netrune::kMaxRedirects + 1, answersAtFailure);
    // A fixed wait, as for any failed download: nothing more may follow.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_FALSE(Exists(L"spy-loop.df"));
    EXPECT_EQ(0, PartialFiles());

    EXPECT_EQ(2u, notices.boxes.size());
    EXPECT_EQ(0, spy.Count("Created"));
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
}

TEST_F(Download, AsManyRedirectsAsTheBoundAllowsAreFollowed) {
    for (int hop = 0; hop < netrune::kMaxRedirects; ++hop)
        server.Redirect("/hop/" + std::to_string(hop) + ".df", "/hop/" + std::to_string(hop + 1) + ".df");
    server.Serve("/hop/" + std::to_string(netrune::kMaxRedirects) + ".df", Module(webtest::SpyModule()));
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/hop/0.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return spy.Count("Created") > 0; }, kDownloadTimeout));
    EXPECT_TRUE(Module(webtest::SpyModule()) == webtest::FileBytes(Target(L"0.df")));
    EXPECT_TRUE(notices.boxes.empty());
}

// Names that are no plain file, and names whose module could not be loaded
// from the folder afterwards: a path of MAX_PATH or more, no extension.
TEST_F(Download, ACodeBaseThatNamesNoUsableFileFetchesNothing) {
    const std::size_t longName = MAX_PATH - netrune::SharedModuleFolder().size() - 1;
    const std::vector<std::string> paths{"/glyphset/..", "/glyphset/../", "/glyphset/CON", "/glyphset/nul.df",
                                         "/glyphset/" + std::string(longName - 3, 'a') + ".df", "/glyphset/spy"};
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url(paths.front())));
    EXPECT_EQ(1u, notices.boxes.size()) << paths.front();
    for (std::size_t at = 1; at < paths.size(); ++at) {
        ASSERT_EQ(S_OK, PutText(L"ViviFontCodeBase", server.Url(paths[at])));
        EXPECT_EQ(at + 1, notices.boxes.size()) << paths[at];
    }
    // A fixed wait: a request that never comes gives no event to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_EQ(0, server.TotalRequests());
    EXPECT_EQ(0, PartialFiles());
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
}

TEST_F(Download, AModuleThatNeverYieldsTheClassIsFetchedOnce) {
    server.Serve("/junk/spy-junk.df", "this is no module");
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/junk/spy-junk.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.boxes.empty(); }, kDownloadTimeout));
    // A fixed wait: a second fetch that never comes gives no event to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_EQ(1, server.Requests("/junk/spy-junk.df"));
    EXPECT_EQ(1u, notices.boxes.size());
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
        << (notices.boxes.empty() ? "no notice" : winkit::ToAnsi(notices.boxes[0].text, CP_UTF8)) << " "
        << Exists(L"spy-file.df") << " " << PartialFiles();
    const auto registered = webtest::RegisteredServer(spy::SpyFont::ClassId());
    ASSERT_TRUE(registered);
    EXPECT_EQ(0, _wcsicmp(Target(L"spy-file.df").c_str(), registered->c_str()));
    EXPECT_EQ(1, spy.Count("Created"));
    EXPECT_TRUE(notices.boxes.empty());
    DeleteFileW(source.c_str());
}

TEST_F(Download, AControlGoneMidDownloadAbortsItAndHearsNothing) {
    server.Serve("/glyphset/spy-slow.df", Module(webtest::SpyModule()), LoopbackServer::Reply::Stall);
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/glyphset/spy-slow.df")));
    // The control goes mid-body: once part of it is in the download's file.
    ASSERT_TRUE(webtest::PumpUntil(
        [&] {
            const std::vector<DWORD> sizes = PartialFileSizes();
            return sizes.size() == 1 && sizes[0] > 0;
        },
        kDownloadTimeout));
    webtest::Unembed(control.get());
    control.reset();
    EXPECT_TRUE(webtest::PumpUntil([&] { return AllObjectsGone(); }, webtest::kEventTimeout))
        << "the download was not aborted";
    EXPECT_EQ(0, PartialFiles());
    EXPECT_FALSE(Exists(L"spy-slow.df"));
    EXPECT_FALSE(webtest::RegisteredServer(spy::SpyFont::ClassId()));
    EXPECT_TRUE(notices.boxes.empty());
}

// The message box of a completion runs a message loop, and the page may let
// go of the control meanwhile: the control lives on until the completion
// has returned, and then goes with everything it holds.
TEST_F(Download, AControlReleasedWhileItsCompletionShowsAMessageGoesAfterIt) {
    server.Serve("/glyphset/spy-other.df", Module(webtest::SpyModule()));
    Target(L"spy-other.df");
    bool heldThroughTheMessage = false;
    notices.whileShown = [&] {
        webtest::Unembed(control.get());
        const long live = comkit::ModuleState::LiveObjects();
        control.reset();
        heldThroughTheMessage = comkit::ModuleState::LiveObjects() == live;
    };
    ASSERT_EQ(S_OK, EmbedWith(L"{6A1D0C55-2E4B-4C1F-9D3A-5B6C7D8E9F01}", server.Url("/glyphset/spy-other.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return !notices.boxes.empty(); }, kDownloadTimeout));
    EXPECT_TRUE(heldThroughTheMessage) << "the control was freed while its completion ran";
    EXPECT_EQ(1u, notices.boxes.size());
    EXPECT_EQ(0u, container.references());
}

// A script may give another code base while a download runs. The first
// module, once in, lacks the class: the new address is fetched in a download
// of its own, which the first binding's late end must leave alone.
TEST_F(Download, ACodeBaseChangedMidDownloadIsFetchedKeptAndShown) {
    server.Serve("/first/rain-first.df", Module(webtest::RainModule()), LoopbackServer::Reply::Held);
    server.Serve("/second/spy-second.df", Module(webtest::SpyModule()));
    ASSERT_EQ(S_OK, EmbedWith(webtest::SpyClass::Text(), server.Url("/first/rain-first.df")));
    ASSERT_TRUE(webtest::PumpUntil([&] { return server.Requests("/first/rain-first.df") == 1; }, kDownloadTimeout));
    ASSERT_EQ(S_OK, PutText(L"ViviFontCodeBase", server.Url("/second/spy-second.df")));
    server.Release("/first/rain-first.df");
    ASSERT_TRUE(webtest::PumpUntil([&] { return spy.Count("Created") > 0; }, kDownloadTimeout))
        << notices.boxes.size() << " notices";
    EXPECT_TRUE(Module(webtest::RainModule()) == webtest::FileBytes(Target(L"rain-first.df")));
    EXPECT_TRUE(Module(webtest::SpyModule()) == webtest::FileBytes(Target(L"spy-second.df")));
    const auto registered = webtest::RegisteredServer(spy::SpyFont::ClassId());
    ASSERT_TRUE(registered);
    EXPECT_EQ(0, _wcsicmp(Target(L"spy-second.df").c_str(), registered->c_str()));
    EXPECT_EQ(1, server.Requests("/second/spy-second.df"));
    EXPECT_TRUE(webtest::PumpUntil(
        [&] { return webtest::WindowCount(control.get(), RGB(255, 255, 255)) >= spy::kArea.cx * spy::kArea.cy; },
        webtest::kEventTimeout))
        << "the spy's rectangle is not shown";
    EXPECT_EQ(1, spy.Count("Created"));
    EXPECT_EQ(0, PartialFiles());
    EXPECT_TRUE(notices.boxes.empty());
}

}  // namespace
