// The control shows every effect module of the system when a page names its
// class: each module registered as an installer would, then the control in
// place in our container with the class, a text and a size as PARAMs.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "contract/module_identity.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/support/WinePath.h"
#include "tests/webcontrol/ModuleTestSupport.h"
#include "tests/webcontrol/TestContainer.h"
#include "webcontrol/Lettrix.h"

namespace {

std::wstring ModuleFile(const contract::ModuleIdentity& identity) {
    const std::string word = identity.word;
    return testsupport::WindowsPath(MODULES_FOLDER) + L"\\" + std::wstring(word.begin(), word.end()) + L".dll";
}

// Colours of the frame: a still background alone has one.
std::set<COLORREF> Colours(const webtest::WindowPixels& frame) {
    std::set<COLORREF> colours;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) colours.insert(frame.At(x, y));
    return colours;
}

TEST(EveryEffect, IsShownByTheControlWhenThePageNamesItsClass) {
    testsupport::MessageBoxLog notices;
    int effects = 0;
    for (const contract::ModuleIdentity& identity : contract::AllModules()) {
        if (identity.clsid == contract::Identity(contract::Module::Static).clsid) continue;
        ++effects;
        const std::wstring module = ModuleFile(identity);
        ASSERT_EQ(0, webtest::Regsvr32(module)) << identity.word;

        webtest::TestContainer container;
        container.ambientFore = RGB(255, 255, 255);
        container.ambientBack = RGB(0, 0, 96);
        comkit::ComPtr<IUnknown> control(static_cast<ILettrix*>(new netrune::Lettrix));
        webtest::PropertyBag params({{L"ViviFontCLSID", webtest::ClsidText(identity.clsid)},
                                     {L"Text", L"Quillon 文字"},
                                     {L"StaticFontSize", L"40"}});
        ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params)) << identity.word;
        HWND window = nullptr;
        control.As<IOleInPlaceObject>(IID_IOleInPlaceObject)->GetWindow(&window);
        EXPECT_TRUE(webtest::PumpUntil([&] { return Colours(webtest::WindowPixels(window)).size() > 1; },
                                       webtest::kEventTimeout))
            << identity.word << " drew nothing";
        webtest::Unembed(control.get());
        control.reset();
        EXPECT_EQ(0u, container.references()) << identity.word;
        EXPECT_TRUE(notices.boxes.empty()) << identity.word;
        notices.boxes.clear();
        webtest::Regsvr32(module, true);
    }
    EXPECT_EQ(contract::AllModules().size() - 1, static_cast<std::size_t>(effects)) << "every module but Static";
}

}  // namespace
