#include <gtest/gtest.h>

#include "comkit/ClassFactory.h"
#include "comkit/ComObject.h"
#include "comkit/ComPtr.h"
#include "comkit/Make.h"
#include "contract/contract.h"

namespace {

// Two unrelated interfaces from the contract, so QueryInterface has a real list.
class TwoFaced final : public comkit::ComObject<IViviFontActivation, IFontManager> {
public:
    static const CLSID& ClassId() { return IID_IViviFontActivation; }
    static inline int destroyed = 0;
    ~TwoFaced() override { ++destroyed; }
    STDMETHODIMP Activate() override { return S_OK; }
    STDMETHODIMP Deactivate() override { return S_OK; }
    STDMETHODIMP IsActivated(char*) override { return S_OK; }
    STDMETHODIMP GetFontIndirect(tagPassLOGFONT*, HFONT*) override { return S_OK; }
};

TEST(ComObject, AnswersItsInterfacesWithOneIdentity) {
    const auto object = comkit::Make<TwoFaced>();
    comkit::ComPtr<IUnknown> unknown;
    comkit::ComPtr<IViviFontActivation> activation;
    comkit::ComPtr<IFontManager> fonts;
    comkit::ComPtr<IViviFont> none;
    ASSERT_EQ(S_OK, object->QueryInterface(IID_IUnknown, unknown.put_void()));
    ASSERT_EQ(S_OK, object->QueryInterface(IID_IViviFontActivation, activation.put_void()));
    ASSERT_EQ(S_OK, object->QueryInterface(IID_IFontManager, fonts.put_void()));
    EXPECT_EQ(E_NOINTERFACE, object->QueryInterface(IID_IViviFont, none.put_void()));
    EXPECT_EQ(nullptr, none.get());
    EXPECT_EQ(static_cast<void*>(unknown.get()), static_cast<void*>(activation.get()));
    comkit::ComPtr<IUnknown> again;
    ASSERT_EQ(S_OK, fonts->QueryInterface(IID_IUnknown, again.put_void()));
    EXPECT_EQ(unknown.get(), again.get());
}

TEST(ComObject, DeletesItselfAtTheLastReleaseAndCountsLiveObjects) {
    const long before = comkit::ModuleState::LiveObjects();
    TwoFaced::destroyed = 0;
    auto* object = new TwoFaced;
    EXPECT_EQ(before + 1, comkit::ModuleState::LiveObjects());
    EXPECT_FALSE(comkit::ModuleState::CanUnload());
    EXPECT_EQ(1u, object->AddRef());
    EXPECT_EQ(2u, object->AddRef());
    EXPECT_EQ(1u, object->Release());
    EXPECT_EQ(0, TwoFaced::destroyed);
    EXPECT_EQ(0u, object->Release());
    EXPECT_EQ(1, TwoFaced::destroyed);
    EXPECT_EQ(before, comkit::ModuleState::LiveObjects());
}

TEST(ComObject, MadeWithItsOnlyReferenceHeldByThePointerAnswered) {
    TwoFaced::destroyed = 0;
    {
        // Taken over as one of its interfaces, still one reference.
        const comkit::ComPtr<IFontManager> fonts = comkit::Make<TwoFaced>();
        ASSERT_TRUE(fonts);
        EXPECT_EQ(2u, fonts->AddRef());
        EXPECT_EQ(1u, fonts->Release());
        EXPECT_EQ(0, TwoFaced::destroyed);
    }
    EXPECT_EQ(1, TwoFaced::destroyed);
}

TEST(ClassFactory, CreatesOnlyItsClassAndHoldsTheModuleWhileLocked) {
    comkit::ComPtr<IClassFactory> factory;
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
              comkit::GetClassObject<TwoFaced>(IID_IViviFont, IID_IClassFactory, factory.put_void()));
    ASSERT_EQ(S_OK, comkit::GetClassObject<TwoFaced>(IID_IViviFontActivation, IID_IClassFactory, factory.put_void()));

    comkit::ComPtr<IFontManager> fonts;
    comkit::ComPtr<IUnknown> outer;
    ASSERT_EQ(S_OK, factory->QueryInterface(IID_IUnknown, outer.put_void()));
    EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(outer.get(), IID_IUnknown, fonts.put_void()));
    comkit::ComPtr<IViviFont> wrong;
    EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IViviFont, wrong.put_void()));
    ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IFontManager, fonts.put_void()));
    fonts.reset();
    outer.reset();

    factory->LockServer(TRUE);
    factory.reset();
    EXPECT_FALSE(comkit::ModuleState::CanUnload());
    comkit::ModuleState::Unlock();
    EXPECT_TRUE(comkit::ModuleState::CanUnload());
}

}  // namespace
