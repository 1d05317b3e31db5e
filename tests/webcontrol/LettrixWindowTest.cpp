// The control in place in a container window under Xvfb: its frames, its
// timer, the mouse reaching its effect, and deactivation and closing.
#include <gtest/gtest.h>

#include "comkit/ClassFactory.h"
#include "comkit/ModuleState.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/support/Canvas.h"
#include "tests/support/MessageBoxLog.h"
#include "tests/webcontrol/SpyLog.h"
#include "tests/webcontrol/TestContainer.h"
#include "textrun/RunShared.h"
#include "webcontrol/Lettrix.h"

namespace {

using webtest::PropertyBag;
using webtest::TestContainer;

constexpr COLORREF kRed = RGB(255, 0, 0);

class InPlace : public testing::Test {
protected:
    void SetUp() override {
        container.ambientFore = kRed;
        container.ambientBack = RGB(0, 0, 0);
        control = comkit::ComPtr<IUnknown>(static_cast<ILettrix*>(new netrune::Lettrix));
    }
    void TearDown() override {
        if (control) {
            webtest::Unembed(control.get());
            control.reset();
        }
    }
    HWND ControlWindow() const {
        HWND window = nullptr;
        control.As<IOleInPlaceObject>(IID_IOleInPlaceObject)->GetWindow(&window);
        return window;
    }
    PropertyBag SpyParams() { return PropertyBag({{L"ViviFontCLSID", webtest::SpyClass::Text()}, {L"Text", L"abc"}}); }
    // Pumps until the timer has stepped the effect `count` more times: each
    // tick's handler has run to its end when this returns.
    bool PumpTicks(int count) {
        const int target = spy.Count("UpdateTextFace") + count;
        return webtest::PumpUntil([&] { return spy.Count("UpdateTextFace") >= target; }, webtest::kEventTimeout);
    }

    webtest::SpyLog spy;
    webtest::SpyClass spyClass;
    testsupport::MessageBoxLog notices;
    TestContainer container;
    comkit::ComPtr<IUnknown> control;
};

TEST_F(InPlace, DrawsItsEffectInItsOwnWindowAndStepsItEveryTick) {
    PropertyBag params = SpyParams();
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    const HWND window = ControlWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(container.window(), GetParent(window));
    EXPECT_TRUE(container.inPlaceActive());
    RECT area;
    GetWindowRect(window, &area);
    MapWindowPoints(nullptr, container.window(), reinterpret_cast<POINT*>(&area), 2);
    EXPECT_EQ(TestContainer::kPlace.left, area.left);
    EXPECT_EQ(TestContainer::kPlace.right, area.right);

    ASSERT_TRUE(PumpTicks(5)) << "the timer stopped after " << spy.Count("UpdateTextFace") << " ticks";
    const webtest::WindowPixels frame(window);
    EXPECT_EQ(kRed, frame.At(0, 0));
    EXPECT_EQ(kRed, frame.At(119, 39));
    EXPECT_NE(kRed, frame.At(121, 41));

    // The container can draw the control anywhere through its view.
    testsupport::Canvas canvas(200, 100, RGB(0, 0, 0));
    const RECTL bounds{30, 20, 200, 100};
    ASSERT_EQ(S_OK, control.As<IViewObject>(IID_IViewObject)
                        ->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.dc(), &bounds, nullptr, nullptr, 0));
    EXPECT_EQ(kRed, canvas.Pixel(30, 20));
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(29, 20));
    EXPECT_EQ(120 * 40, canvas.Count(kRed, {0, 0, 200, 100}));
}

TEST_F(InPlace, MouseReachesTheEffectAndLeavingIsNoticedWithinATick) {
    PropertyBag params = SpyParams();
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    const HWND window = ControlWindow();
    RECT area;
    GetWindowRect(window, &area);
    SetCursorPos(area.left + 5, area.top + 6);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(7, 8));
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(9, 10));
    EXPECT_EQ((std::vector<std::string>{"#1 MouseEnter", "#1 OnMouseMove 5,6", "#1 OnMouseMove 7,8",
                                        "#1 OnButtonDown 9,10"}),
              spy.Calls({"MouseEnter", "OnMouseMove", "OnButtonDown", "MouseLeave"}));
    ASSERT_TRUE(PumpTicks(2));
    EXPECT_EQ(0, spy.Count("MouseLeave")) << "the cursor is still inside";

    SetCursorPos(area.right + 50, area.bottom + 50);
    ASSERT_TRUE(PumpTicks(1));
    EXPECT_EQ(1, spy.Count("MouseLeave")) << "the next tick did not notice the cursor left";
    ASSERT_TRUE(PumpTicks(2));
    EXPECT_EQ(1, spy.Count("MouseLeave"));
}

TEST_F(InPlace, WithoutAnEffectTicksAndMouseChangeNothing) {
    PropertyBag params(webtest::Params{{L"Text", L"abc"}});
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    const HWND window = ControlWindow();
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 6));
    // A fixed wait: without an effect there is no step to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_TRUE(spy.Lines().empty());
    EXPECT_TRUE(notices.boxes.empty());
}

TEST_F(InPlace, DeactivationStopsTheTimerAndReactivationStartsANewOne) {
    PropertyBag params = SpyParams();
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    const HWND first = ControlWindow();
    ASSERT_EQ(S_OK, control.As<IOleInPlaceObject>(IID_IOleInPlaceObject)->InPlaceDeactivate());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(container.inPlaceActive());
    const int ticks = spy.Count("UpdateTextFace");
    // A fixed wait: a stopped timer gives no event to wait for.
    webtest::Pump(webtest::kQuietPeriod);
    EXPECT_EQ(ticks, spy.Count("UpdateTextFace"));

    RECT place = TestContainer::kPlace;
    ASSERT_EQ(S_OK, control.As<IOleObject>(IID_IOleObject)
                        ->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &container, 0, container.window(), &place));
    ASSERT_NE(nullptr, ControlWindow());
    EXPECT_TRUE(PumpTicks(3)) << "the new window's timer does not step the effect";
}

TEST_F(InPlace, ClosingGivesEverythingBack) {
    control.reset();
    const long liveBefore = comkit::ModuleState::LiveObjects();
    for (int visit = 0; visit < 3; ++visit) {
        control = comkit::ComPtr<IUnknown>(static_cast<ILettrix*>(new netrune::Lettrix));
        PropertyBag params = SpyParams();
        ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
        // Closed while the timer steps the effect.
        ASSERT_TRUE(PumpTicks(1));
        const HWND window = ControlWindow();
        webtest::Unembed(control.get());
        EXPECT_FALSE(IsWindow(window));
        control.reset();
        EXPECT_EQ(0u, container.references());
        EXPECT_EQ(liveBefore, comkit::ModuleState::LiveObjects());
        EXPECT_EQ(0, textrun::RunShared::LiveCount()) << "the font table and cache go with the last run";
    }
    EXPECT_EQ(spy.Count("Created"), spy.Count("Released"));
}

TEST_F(InPlace, ShowsARainRunSetThroughParams) {
    using Rain = effectbase::EffectObject<RainFont>;
    IClassFactory* factory = nullptr;
    ASSERT_EQ(S_OK, comkit::GetClassObject<Rain>(Rain::ClassId(), IID_IClassFactory, reinterpret_cast<void**>(&factory)));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, CoRegisterClassObject(Rain::ClassId(), factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie));
    factory->Release();
    wchar_t rain[40];
    StringFromGUID2(Rain::ClassId(), rain, 40);
    PropertyBag params({{L"ViviFontCLSID", rain}, {L"Text", L"雨だ"}, {L"StaticFontSize", L"48"},
                        {L"StaticFontName", L"ＭＳ ゴシック"}});
    ASSERT_EQ(S_OK, webtest::Embed(control.get(), container, &params));
    // Red letters in the rain on black: a good share of the frame is red-ish.
    const auto reddish = [&] {
        const webtest::WindowPixels frame(ControlWindow());
        int count = 0;
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) {
                const COLORREF pixel = frame.At(x, y);
                count += GetRValue(pixel) > 128 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100;
            }
        return count;
    };
    EXPECT_TRUE(webtest::PumpUntil([&] { return reddish() > 200; }, webtest::kEventTimeout))
        << reddish() << " red-ish pixels";
    webtest::Unembed(control.get());
    control.reset();
    CoRevokeClassObject(cookie);
    EXPECT_TRUE(notices.boxes.empty());
}

}  // namespace
