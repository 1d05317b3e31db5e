#include <gtest/gtest.h>

#include <cstring>

#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "effectbase/EffectBase.h"
#include "effectbase/EffectObject.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace {

using comkit::ComPtr;
using testsupport::TestRun;

// The smallest effect the base can carry: a block filled with a pattern and a
// memory context for its surfaces. It borrows the Ghostglass identity (N = 56).
class ProbeEffect : public effectbase::EffectBase {
public:
    static constexpr contract::Module kModule = contract::Module::Ghostglass;
    BYTE block[56];
    int builds = 0;
    int loads = 0;

    STDMETHODIMP DrawTextFace(HDC, POINT) override {
        if (!surfaceDC) BuildTextBitmap();
        return S_OK;
    }

protected:
    void SetDefaultProperties() override {
        for (size_t i = 0; i < sizeof block; ++i) block[i] = static_cast<BYTE>(i);
    }
    void BuildTextBitmap() override {
        ++builds;
        surfaceDC = winkit::MemoryDC(nullptr);
    }
    void ReleaseTextBitmap() override { surfaceDC.reset(); }
    void PropertiesLoaded() override { ++loads; }
};
using Probe = effectbase::EffectObject<ProbeEffect>;

ComPtr<Probe> NewProbe() { return ComPtr<Probe>(new Probe); }

// A record of either kind with the given header and payload bytes.
std::vector<BYTE> Record(long size, long version, size_t payload, BYTE fill) {
    std::vector<BYTE> bytes(payload + contract::kRecordOverhead, fill);
    std::memcpy(bytes.data(), &size, 4);
    std::memcpy(bytes.data() + 4, &version, 4);
    return bytes;
}

std::vector<BYTE> SavedBlock(IViviFontProperty* effect) {
    tagPersistMemory* record = nullptr;
    EXPECT_EQ(S_OK, effect->SaveProperty(&record));
    comkit::TaskMem<tagPersistMemory> owned(record);
    EXPECT_EQ(56, record->nSize);
    EXPECT_EQ(2, record->nVersion);
    return std::vector<BYTE>(record->pData, record->pData + record->nSize);
}

TEST(EffectBase, AnswersTheEffectInterfacesOnly) {
    auto effect = NewProbe();
    for (const IID* iid : {&IID_IUnknown, &IID_IViviFont, &IID_IFontProperty, &IID_IViviFontProperty,
                           &IID_IViviFontActivation}) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(S_OK, effect->QueryInterface(*iid, answer.put_void()));
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(E_NOINTERFACE, effect->QueryInterface(IID_IDispatch, none.put_void()));
    EXPECT_EQ(E_NOINTERFACE, effect->QueryInterface(IID_IParagraphAccess, none.put_void()));
}

TEST(EffectBase, IdentityMethodsAnswerTheModuleTable) {
    auto effect = NewProbe();
    comkit::TaskMemString name, description, author;
    ASSERT_EQ(S_OK, effect->Name(name.put()));
    ASSERT_EQ(S_OK, effect->Description(description.put()));
    ASSERT_EQ(S_OK, effect->Author(author.put()));
    EXPECT_STREQ(L"Ghostglass", name.get());
    EXPECT_STREQ(L"見えないレンズが文字を行ったり来たり．．．。", description.get());
    EXPECT_STREQ(contract::kAuthor, author.get());
    int version = 0;
    CLSID clsid{};
    EXPECT_EQ(S_OK, effect->Version(&version));
    EXPECT_EQ(1, version);
    EXPECT_EQ(S_OK, effect->GetCLSID(&clsid));
    EXPECT_TRUE(IsEqualCLSID(contract::Identity(contract::Module::Ghostglass).clsid, clsid));
}

TEST(EffectBase, LoadPropertyTakesOnlyItsOwnRecordAndAlwaysSucceeds) {
    auto effect = NewProbe();
    const std::vector<BYTE> defaults = SavedBlock(effect.get());
    const struct {
        long size, version;
        size_t payload;
    } wrong[] = {{56, 1, 56}, {56, 3, 56}, {55, 2, 56}, {57, 2, 57}, {68, 1, 56}, {-1, 2, 56}};
    for (const auto& w : wrong) {
        auto record = Record(w.size, w.version, w.payload, 0xEE);
        EXPECT_EQ(S_OK, effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(record.data())));
    }
    EXPECT_EQ(S_OK, effect->LoadProperty(nullptr));
    EXPECT_EQ(defaults, SavedBlock(effect.get()));
    EXPECT_EQ(0, effect->loads);

    auto good = Record(56, 2, 56, 0x5A);
    EXPECT_EQ(S_OK, effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(good.data())));
    EXPECT_EQ(std::vector<BYTE>(56, 0x5A), SavedBlock(effect.get()));
    EXPECT_EQ(1, effect->loads);
}

TEST(EffectBase, SetVvlfRefusesAnythingButItsOwnRecord) {
    auto effect = NewProbe();
    // A stored-settings record (version 2, payload size) is not a parameter record.
    auto persist = Record(56, 2, 56, 0x11);
    EXPECT_EQ(E_UNEXPECTED, effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(persist.data()), 1));
    auto shortSize = Record(56 + 11, 1, 56, 0x11);
    EXPECT_EQ(E_UNEXPECTED, effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(shortSize.data()), 0));
    EXPECT_EQ(E_UNEXPECTED, effect->SetVVLF(nullptr, 0));
    EXPECT_EQ(0, effect->loads);

    auto good = Record(56 + 12, 1, 56, 0x22);
    EXPECT_EQ(S_OK, effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(good.data()), 0));
    EXPECT_EQ(std::vector<BYTE>(56, 0x22), SavedBlock(effect.get()));

    tagAnonyVVLF* back = nullptr;
    ASSERT_EQ(S_OK, effect->GetVVLF(&back));
    EXPECT_EQ(68, back->nSize);
    EXPECT_EQ(1, back->nVersion);
    EXPECT_EQ(0, std::memcmp(back->pData, good.data() + 8, 56));
    std::free(back);

    EXPECT_EQ(S_OK, effect->SetDefault());
    EXPECT_EQ(5, SavedBlock(effect.get())[5]);
}

TEST(EffectBase, SavedRecordLoadsIntoAnotherInstance) {
    auto first = NewProbe();
    auto second = NewProbe();
    std::memset(first->block, 0x77, sizeof first->block);
    tagPersistMemory* record = nullptr;
    ASSERT_EQ(S_OK, first->SaveProperty(&record));
    comkit::TaskMem<tagPersistMemory> owned(record);
    ASSERT_EQ(S_OK, second->LoadProperty(record));
    EXPECT_EQ(SavedBlock(first.get()), SavedBlock(second.get()));
}

TEST(EffectBase, CloneCarriesTheBlockButNoRun) {
    textrun::FontManager fonts;
    TestRun run(L"ABC");
    auto effect = NewProbe();
    testsupport::Bind(effect.get(), &fonts, &run);
    std::memset(effect->block, 0x42, sizeof effect->block);

    ComPtr<IViviFont> clone;
    ASSERT_EQ(S_OK, effect->Clone(clone.put()));
    ComPtr<IViviFontProperty> property = clone.As<IViviFontProperty>(IID_IViviFontProperty);
    EXPECT_EQ(std::vector<BYTE>(56, 0x42), SavedBlock(property.get()));

    SIZE unbound{};
    clone->GetDrawingArea(&unbound);
    EXPECT_EQ(0, unbound.cx);
    clone->SetFontManager(&fonts);
    clone->SetParagraph(&run);
    SIZE bound{}, original{};
    clone->GetDrawingArea(&bound);
    effect->GetDrawingArea(&original);
    EXPECT_GT(bound.cx, 0);
    EXPECT_EQ(original.cx, bound.cx);
    EXPECT_EQ(original.cy, bound.cy);
}

TEST(EffectBase, ActivationFollowsBuildAndReleaseAndChangeRebuildsOnlyWhenActive) {
    textrun::FontManager fonts;
    TestRun run(L"Activate");
    auto effect = NewProbe();
    testsupport::Bind(effect.get(), &fonts, &run);
    char active = -1;
    effect->IsActivated(&active);
    EXPECT_EQ(0, active);
    effect->Activate();
    effect->IsActivated(&active);
    EXPECT_EQ(1, active);
    effect->Deactivate();
    effect->IsActivated(&active);
    EXPECT_EQ(0, active);
    effect->ChangeParagraph();
    EXPECT_EQ(1, effect->builds);
    effect->DrawTextFace(nullptr, {0, 0});
    effect->IsActivated(&active);
    EXPECT_EQ(1, active);
    EXPECT_EQ(2, effect->builds);
    effect->ChangeParagraph();
    EXPECT_EQ(3, effect->builds);
    effect->IsActivated(&active);
    EXPECT_EQ(1, active);
}

TEST(EffectBase, MeasuresWhenFirstAskedAndEveryPrefixAtOnce) {
    textrun::FontManager fonts;
    TestRun run(L"日本語abc");
    auto effect = NewProbe();
    testsupport::Bind(effect.get(), &fonts, &run);
    effect->ChangeParagraph();
    effect->ChangeParagraph();
    EXPECT_EQ(0, run.textReadings) << "nothing is measured before it is asked for";
    SIZE area{};
    effect->GetDrawingArea(&area);
    effect->GetDrawingArea(&area);
    EXPECT_EQ(1, run.textReadings);

    // Every prefix as GDI measures it on its own, from one measuring.
    tagPassLOGFONT logFont{};
    run.GetLOGFONT(&logFont);
    HFONT font = nullptr;
    fonts.GetFontIndirect(&logFont, &font);
    winkit::ScreenDC screen;
    winkit::Selection selected(screen.get(), font);
    for (int n = 1; n <= 6; ++n) {
        SIZE prefix{};
        GetTextExtentPoint32W(screen.get(), run.text.c_str(), n, &prefix);
        int width = 0;
        effect->GetWidth(n, &width);
        EXPECT_EQ(prefix.cx, width) << n;
    }
    EXPECT_EQ(2, run.textReadings);
    effect->ChangeParagraph();
    EXPECT_EQ(2, run.textReadings);
}

TEST(EffectBase, MeasuresAndClampsPrefixWidths) {
    textrun::FontManager fonts;
    TestRun run(L"日本語abc");
    auto effect = NewProbe();
    testsupport::Bind(effect.get(), &fonts, &run);
    SIZE area{};
    effect->GetDrawingArea(&area);
    EXPECT_GT(area.cx, 0);
    EXPECT_GT(area.cy, 0);

    int widths[7];
    for (int n = 0; n <= 6; ++n) effect->GetWidth(n, &widths[n]);
    EXPECT_EQ(0, widths[0]);
    for (int n = 1; n <= 6; ++n) EXPECT_GT(widths[n], widths[n - 1]) << n;
    EXPECT_NEAR(area.cx, widths[6], 2);

    int outside = -1;
    effect->GetWidth(-5, &outside);
    EXPECT_EQ(0, outside);
    effect->GetWidth(1000, &outside);
    EXPECT_EQ(widths[6], outside);

    // A changed text is measured again and the cache is sized for it.
    run.text = L"ab";
    effect->ChangeParagraph();
    int two = 0, beyond = 0;
    effect->GetWidth(2, &two);
    effect->GetWidth(6, &beyond);
    EXPECT_EQ(two, beyond);
    EXPECT_LT(two, widths[6]);
}

TEST(EffectBase, OpenPropertyDlgWithoutAnEditorDoesNothing) {
    auto effect = NewProbe();
    std::memset(effect->block, 0x33, sizeof effect->block);
    EXPECT_EQ(S_OK, effect->OpenPropertyDlg(nullptr));
    EXPECT_EQ(std::vector<BYTE>(56, 0x33), SavedBlock(effect.get()));
}

}  // namespace
