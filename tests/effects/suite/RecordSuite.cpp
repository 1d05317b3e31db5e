// The shared checks of an effect's identity and property records.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "comkit/TaskMem.h"
#include "tests/support/Canvas.h"
#include "tests/effects/suite/SuiteEffect.h"

namespace effectsuite {
namespace {

using comkit::ComPtr;

TEST(EffectIdentity, AnswersTheEffectInterfacesAndTheModulesIdentity) {
    const ComPtr<IViviFont> effect = NewEffect();
    for (const IID* iid : {&IID_IUnknown, &IID_IViviFont, &IID_IFontProperty, &IID_IViviFontProperty,
                           &IID_IViviFontActivation}) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(S_OK, effect->QueryInterface(*iid, answer.put_void()));
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(E_NOINTERFACE, effect->QueryInterface(IID_IDispatch, none.put_void()));
    EXPECT_EQ(nullptr, none.get());

    const contract::ModuleIdentity& identity = SuiteIdentity();
    comkit::TaskMemString name, description;
    ASSERT_EQ(S_OK, effect->Name(name.put()));
    ASSERT_EQ(S_OK, effect->Description(description.put()));
    EXPECT_STREQ(identity.displayName, name.get());
    EXPECT_STREQ(identity.description, description.get());
    CLSID clsid{};
    ASSERT_EQ(S_OK, effect->GetCLSID(&clsid));
    EXPECT_TRUE(IsEqualCLSID(identity.clsid, clsid));
    int version = 0;
    effect->Version(&version);
    EXPECT_EQ(1, version);
}

TEST(EffectRecords, SavedBlockHasTheModulesSize) {
    const ComPtr<IViviFont> effect = NewEffect();
    const auto property = effect.As<IViviFontProperty>(IID_IViviFontProperty);
    tagPersistMemory* record = nullptr;
    ASSERT_EQ(S_OK, property->SaveProperty(&record));
    const comkit::TaskMem<tagPersistMemory> owned(record);
    EXPECT_EQ(BlockSize(), record->nSize);
    EXPECT_EQ(2, record->nVersion);

    const auto parameters = effect.As<IFontProperty>(IID_IFontProperty);
    tagAnonyVVLF* vvlf = nullptr;
    ASSERT_EQ(S_OK, parameters->GetVVLF(&vvlf));
    EXPECT_EQ(BlockSize() + 12, vvlf->nSize);
    EXPECT_EQ(1, vvlf->nVersion);
    EXPECT_EQ(0, std::memcmp(vvlf->pData, record->pData, BlockSize()));
    std::free(vvlf);
}

TEST(EffectRecords, RecordsOfTheWrongKindOrSizeChangeNothing) {
    HostedEffect hosted;
    const auto property = hosted.As<IViviFontProperty>(IID_IViviFontProperty);
    const auto parameters = hosted.As<IFontProperty>(IID_IFontProperty);
    const std::vector<BYTE> before = SavedBlock(hosted.effect.get());
    const long n = BlockSize();
    std::vector<BYTE> payload(n + 16, 0xA5);

    const struct {
        long size, version;
    } wrongPersist[] = {{n, 1}, {n, 3}, {n, 0}, {n - 1, 2}, {n + 1, 2}, {n + 12, 2}, {0, 2}, {-n, 2}};
    for (const auto& w : wrongPersist) {
        auto record = Record(w.size, w.version, payload);
        EXPECT_EQ(S_OK, property->LoadProperty(AsPersist(record))) << w.size << "/" << w.version;
    }
    const struct {
        long size, version;
    } wrongVvlf[] = {{n + 12, 2}, {n + 12, 0}, {n, 1}, {n + 11, 1}, {n + 13, 1}, {0, 1}, {-1, 1}};
    for (const auto& w : wrongVvlf) {
        auto record = Record(w.size, w.version, payload);
        EXPECT_EQ(E_UNEXPECTED, parameters->SetVVLF(AsVvlf(record), 1)) << w.size << "/" << w.version;
    }
    EXPECT_EQ(before, SavedBlock(hosted.effect.get()));

    auto accepted = Record(n + 12, 1, payload);
    EXPECT_EQ(S_OK, parameters->SetVVLF(AsVvlf(accepted), 0));
}

TEST(EffectRecords, SavedRecordLoadsIntoAnotherInstanceByteForByte) {
    HostedEffect first;
    HostedEffect second;
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        auto stored = Record(BlockSize(), 2, RandomBlock(seed));
        ASSERT_EQ(S_OK, first.As<IViviFontProperty>(IID_IViviFontProperty)->LoadProperty(AsPersist(stored)));
        EXPECT_EQ(RandomBlock(seed), SavedBlock(first.effect.get())) << "reserved bytes and keys are kept as stored";

        tagPersistMemory* saved = nullptr;
        ASSERT_EQ(S_OK, first.As<IViviFontProperty>(IID_IViviFontProperty)->SaveProperty(&saved));
        const comkit::TaskMem<tagPersistMemory> owned(saved);
        ASSERT_EQ(S_OK, second.As<IViviFontProperty>(IID_IViviFontProperty)->LoadProperty(saved));
        EXPECT_EQ(SavedBlock(first.effect.get()), SavedBlock(second.effect.get()));
    }
}

// Whether a block byte is one the defaults leave as it stands: padding, a
// key's reserved byte, a key slot or position beyond the default count.
bool LeftByDefaults(int offset, int defaultCount) {
    for (const BlockBytes& field : PaddingFields())
        if (offset >= field.offset && offset < field.offset + field.size) return true;
    if (offset < 36) return offset % 4 == 3 || offset / 4 >= defaultCount;
    if (offset >= 37 && offset < 46) return offset - 37 >= defaultCount;
    return false;
}

TEST(EffectRecords, SetDefaultWritesEveryDefaultAndLeavesOnlyPadding) {
    const std::vector<BYTE> defaults = SavedBlock(NewEffect().get());
    const int count = defaults[36];
    for (std::uint32_t seed : {7u, 8u}) {
        HostedEffect hosted;
        const std::vector<BYTE> stored = RandomBlock(seed);
        auto record = Record(BlockSize(), 2, stored);
        hosted.As<IViviFontProperty>(IID_IViviFontProperty)->LoadProperty(AsPersist(record));
        hosted.As<IFontProperty>(IID_IFontProperty)->SetDefault();
        const std::vector<BYTE> reset = SavedBlock(hosted.effect.get());
        for (int offset = 0; offset < BlockSize(); ++offset) {
            const BYTE expected = LeftByDefaults(offset, count) ? stored[offset] : defaults[offset];
            EXPECT_EQ(expected, reset[offset]) << "byte " << offset << ", seed " << seed;
        }
    }
}

// A parameter record made from the effect's own block.
std::vector<BYTE> ParameterRecord(const std::vector<BYTE>& block) { return Record(BlockSize() + 12, 1, block); }

TEST(EffectRecords, SetVvlfTakesPlainParametersAloneAndKeysOnlyWithAWatchedField) {
    HostedEffect hosted;  // bound, not activated: no build puts default keys back
    const auto parameters = hosted.As<IFontProperty>(IID_IFontProperty);
    const std::vector<BYTE> before = SavedBlock(hosted.effect.get());
    // The last key slot is never watched and never in use by default.
    constexpr int kSpareKeyBlue = 8 * 4;

    std::vector<BYTE> plain = before;
    if (PlainOffset() >= 0) plain[PlainOffset()] ^= 0x5A;
    plain[kSpareKeyBlue] ^= 0x33;
    auto record = ParameterRecord(plain);
    ASSERT_EQ(S_OK, parameters->SetVVLF(AsVvlf(record), 1));
    std::vector<BYTE> expected = before;
    if (PlainOffset() >= 0) expected[PlainOffset()] = plain[PlainOffset()];
    EXPECT_EQ(expected, SavedBlock(hosted.effect.get())) << "the plain parameter alone";

    std::vector<BYTE> watched = SavedBlock(hosted.effect.get());
    watched[FlagOffset()] = watched[FlagOffset()] ? 0 : 1;
    watched[kSpareKeyBlue] ^= 0x33;
    record = ParameterRecord(watched);
    ASSERT_EQ(S_OK, parameters->SetVVLF(AsVvlf(record), 1));
    const std::vector<BYTE> after = SavedBlock(hosted.effect.get());
    EXPECT_EQ(watched[FlagOffset()], after[FlagOffset()]);
    EXPECT_EQ(watched[kSpareKeyBlue], after[kSpareKeyBlue]) << "a watched change brings the keys";
}

TEST(EffectRecords, LoadingIntoAnActivatedEffectRebuildsAtOnce) {
    for (bool activated : {false, true}) {
        HostedEffect hosted;
        if (activated) hosted.As<IViviFontActivation>(IID_IViviFontActivation)->Activate();
        std::vector<BYTE> stored = SavedBlock(hosted.effect.get());
        stored[FlagOffset()] = 1;
        stored[0] = 1, stored[1] = 2, stored[2] = 3;  // key 0, which a build gives the run's background
        auto record = Record(BlockSize(), 2, stored);
        hosted.As<IViviFontProperty>(IID_IViviFontProperty)->LoadProperty(AsPersist(record));
        const std::vector<BYTE> now = SavedBlock(hosted.effect.get());
        const COLORREF key0 = RGB(now[2], now[1], now[0]);
        EXPECT_EQ(activated ? hosted.run.background : RGB(3, 2, 1), key0) << (activated ? "activated" : "not activated");
    }
}

TEST(EffectClone, CarriesTheBlockButNoRun) {
    HostedEffect hosted;
    auto stored = Record(BlockSize(), 2, RandomBlock(11));
    hosted.As<IViviFontProperty>(IID_IViviFontProperty)->LoadProperty(AsPersist(stored));
    hosted.As<IViviFontActivation>(IID_IViviFontActivation)->Activate();

    ComPtr<IViviFont> clone;
    ASSERT_EQ(S_OK, hosted.effect->Clone(clone.put()));
    ASSERT_TRUE(clone);
    EXPECT_EQ(SavedBlock(hosted.effect.get()), SavedBlock(clone.get()));
    char activated = -1;
    clone.As<IViviFontActivation>(IID_IViviFontActivation)->IsActivated(&activated);
    EXPECT_EQ(0, activated);
    // Unbound, only the margins some effects add around the text are left.
    SIZE unbound{};
    clone->GetDrawingArea(&unbound);

    testsupport::Bind(clone.get(), &hosted.fonts, &hosted.run);
    SIZE bound{};
    clone->GetDrawingArea(&bound);
    EXPECT_EQ(hosted.Area().cx, bound.cx);
    EXPECT_EQ(hosted.Area().cy, bound.cy);
    EXPECT_LT(unbound.cx, bound.cx);
    EXPECT_LT(unbound.cy, bound.cy);
    testsupport::Canvas canvas(bound.cx + 4, bound.cy + 4, RGB(0, 0, 0));
    EXPECT_EQ(S_OK, clone->UpdateTextFace(canvas.dc(), {2, 2}));
    EXPECT_TRUE(SurfaceSlackClear(clone.get()));
}

}  // namespace
}  // namespace effectsuite
