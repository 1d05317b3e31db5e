#include <gtest/gtest.h>

#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "effects/static/StaticFont.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace {

using comkit::ComPtr;
using testsupport::Canvas;
using testsupport::TestRun;

constexpr COLORREF kPaper = RGB(10, 20, 30);
constexpr COLORREF kInk = RGB(250, 200, 40);

ComPtr<IViviFont> NewStatic() { return ComPtr<IViviFont>(new StaticFont); }

class StaticFontDrawing : public testing::Test {
protected:
    textrun::FontManager fonts;
};

TEST_F(StaticFontDrawing, RefusesThePropertyAndActivationInterfaces) {
    auto effect = NewStatic();
    for (const IID* iid : {&IID_IViviFontProperty, &IID_IViviFontActivation, &IID_IFontProperty, &IID_IDispatch}) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(E_NOINTERFACE, effect->QueryInterface(*iid, answer.put_void()));
        EXPECT_EQ(nullptr, answer.get());
    }
    ComPtr<IUnknown> unknown;
    EXPECT_EQ(S_OK, effect->QueryInterface(IID_IUnknown, unknown.put_void()));
}

TEST_F(StaticFontDrawing, IdentityStringsAreTaskMemoryCopies) {
    auto effect = NewStatic();
    comkit::TaskMemString name, description, author;
    ASSERT_EQ(S_OK, effect->Name(name.put()));
    ASSERT_EQ(S_OK, effect->Description(description.put()));
    ASSERT_EQ(S_OK, effect->Author(author.put()));
    EXPECT_STREQ(L"StaticFont", name.get());
    EXPECT_STREQ(L"普通の文字", description.get());
    EXPECT_STREQ(contract::kAuthor, author.get());
    ComPtr<IMalloc> allocator;
    ASSERT_EQ(S_OK, CoGetMalloc(1, allocator.put()));
    EXPECT_EQ(1, allocator->DidAlloc(const_cast<wchar_t*>(name.get())));
    EXPECT_EQ((10u + 1) * 2, allocator->GetSize(const_cast<wchar_t*>(name.get())));
    CLSID clsid{};
    effect->GetCLSID(&clsid);
    EXPECT_TRUE(IsEqualCLSID(StaticFont::ClassId(), clsid));
}

TEST_F(StaticFontDrawing, MeasuresExtentAndPrefixes) {
    TestRun run(L"Hello");
    auto effect = NewStatic();
    testsupport::Bind(effect.get(), &fonts, &run);
    SIZE area{};
    effect->GetDrawingArea(&area);
    EXPECT_GT(area.cx, 0);
    EXPECT_GE(area.cy, 30);  // a 36-pixel font's cell
    int zero = -1, all = 0, three = 0;
    effect->GetWidth(0, &zero);
    effect->GetWidth(5, &all);
    effect->GetWidth(3, &three);
    EXPECT_EQ(0, zero);
    EXPECT_EQ(area.cx, all);
    EXPECT_GT(three, 0);
    EXPECT_LT(three, all);
}

TEST_F(StaticFontDrawing, EmptyRunHasTheHeightOfAAndNoWidth) {
    TestRun empty(L"");
    TestRun letter(L"A");
    auto effect = NewStatic();
    auto reference = NewStatic();
    testsupport::Bind(effect.get(), &fonts, &empty);
    testsupport::Bind(reference.get(), &fonts, &letter);
    SIZE area{}, a{};
    effect->GetDrawingArea(&area);
    reference->GetDrawingArea(&a);
    EXPECT_EQ(0, area.cx);
    EXPECT_EQ(a.cy, area.cy);
    int width = -1;
    effect->GetWidth(0, &width);
    EXPECT_EQ(0, width);

    Canvas canvas(200, 100, kPaper);
    effect->DrawTextFace(canvas.dc(), {10, 10});
    EXPECT_EQ(200 * 100, canvas.Count(kPaper, {0, 0, 200, 100}));
}

TEST_F(StaticFontDrawing, DrawsTheRunsColourInsideItsAreaOnTransparentBackground) {
    for (const wchar_t* text : {L"Quillon", L"日本語のテキスト"}) {
        TestRun run(text);
        run.colour = kInk;
        run.background = RGB(0, 0, 255);  // must not be painted: the background is transparent
        auto effect = NewStatic();
        testsupport::Bind(effect.get(), &fonts, &run);
        SIZE area{};
        effect->GetDrawingArea(&area);
        ASSERT_GT(area.cx, 0) << text;

        Canvas canvas(area.cx + 60, area.cy + 60, kPaper);
        const RECT inside{20, 30, 20 + area.cx, 30 + area.cy};
        effect->DrawTextFace(canvas.dc(), {20, 30});
        EXPECT_GT(canvas.Count(kInk, inside), area.cx / 4) << text;
        EXPECT_EQ(0, canvas.CountOutside(kInk, inside)) << text;
        EXPECT_EQ(0, canvas.Count(RGB(0, 0, 255), {0, 0, canvas.width(), canvas.height()})) << text;
        // Outside the drawing area the paper stays untouched.
        const int paperOutside = canvas.CountOutside(kPaper, inside);
        EXPECT_EQ(canvas.width() * canvas.height() - area.cx * area.cy, paperOutside) << text;
    }
}

TEST_F(StaticFontDrawing, UpdateDrawsNothingAndTheContextIsRestored) {
    TestRun run(L"Still");
    run.colour = kInk;
    auto effect = NewStatic();
    testsupport::Bind(effect.get(), &fonts, &run);
    Canvas canvas(300, 80, kPaper);
    SetTextColor(canvas.dc(), RGB(1, 2, 3));
    SetBkMode(canvas.dc(), OPAQUE);
    HGDIOBJ fontBefore = GetCurrentObject(canvas.dc(), OBJ_FONT);
    effect->UpdateTextFace(canvas.dc(), {0, 0});
    EXPECT_EQ(300 * 80, canvas.Count(kPaper, {0, 0, 300, 80}));
    effect->DrawTextFace(canvas.dc(), {0, 0});
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(canvas.dc()));
    EXPECT_EQ(OPAQUE, GetBkMode(canvas.dc()));
    EXPECT_EQ(fontBefore, GetCurrentObject(canvas.dc(), OBJ_FONT));
}

TEST_F(StaticFontDrawing, CloneIsUnboundUntilItsRunIsSet) {
    TestRun run(L"Clone");
    auto effect = NewStatic();
    testsupport::Bind(effect.get(), &fonts, &run);
    ComPtr<IViviFont> clone;
    ASSERT_EQ(S_OK, effect->Clone(clone.put()));
    SIZE area{};
    clone->GetDrawingArea(&area);
    EXPECT_EQ(0, area.cx);
    testsupport::Bind(clone.get(), &fonts, &run);
    SIZE original{};
    effect->GetDrawingArea(&original);
    clone->GetDrawingArea(&area);
    EXPECT_EQ(original.cx, area.cx);
}

}  // namespace
