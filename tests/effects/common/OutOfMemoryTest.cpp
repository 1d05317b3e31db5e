#include <gtest/gtest.h>

#include <vector>

#include "comkit/ComPtr.h"
#include "tests/effects/common/FailingAllocation.h"
#include "tests/effects/common/ProbeEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace {

// The host is another module, often not C++: what the standard library throws
// when memory runs out must end the call, never the host process.
TEST(OutOfMemory, EndsTheEffectsCallAndNeverTheHost) {
    textrun::FontManager fonts;
    testsupport::TestRun run(L"メモリー不足 memory", 30);
    run.colour = RGB(255, 255, 255);
    comkit::ComPtr<Probe> effect(new Probe);
    testsupport::Bind(effect.get(), &fonts, &run);
    testsupport::Canvas canvas(400, 60, RGB(0, 0, 0));
    std::vector<BYTE> record(8 + sizeof(ProbeBlock));
    const long header[2] = {sizeof(ProbeBlock) + 12, 1};
    std::memcpy(record.data(), header, 8);
    std::memcpy(record.data() + 8, effect->PropertyBytes().data(), sizeof(ProbeBlock));

    HRESULT changed, measured, widths, drawn, activated, set, cloned;
    SIZE area{};
    char isActivated = -1;
    comkit::ComPtr<IViviFont> clone;
    int width = -1;
    {
        testalloc::ScopedOutOfMemory noMemory;
        changed = effect->ChangeParagraph();
        measured = effect->GetDrawingArea(&area);
        widths = effect->GetWidth(3, &width);
        activated = effect->Activate();
        drawn = effect->DrawTextFace(canvas.dc(), {0, 0});
        effect->IsActivated(&isActivated);
        set = effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1);
        cloned = effect->Clone(clone.put());
    }
    EXPECT_EQ(S_OK, changed) << "a change is measured when next asked";
    EXPECT_EQ(E_OUTOFMEMORY, measured);
    EXPECT_EQ(E_OUTOFMEMORY, widths);
    EXPECT_EQ(0, width);
    EXPECT_EQ(S_OK, activated) << "nothing built, nothing reported";
    EXPECT_EQ(S_OK, drawn);
    EXPECT_EQ(0, isActivated);
    EXPECT_EQ(S_OK, set);
    EXPECT_EQ(E_OUTOFMEMORY, cloned);
    EXPECT_FALSE(clone);

    EXPECT_EQ(S_OK, effect->ChangeParagraph());
    EXPECT_EQ(S_OK, effect->DrawTextFace(canvas.dc(), {0, 0}));
    effect->IsActivated(&isActivated);
    EXPECT_EQ(1, isActivated) << "the next draw builds";
    EXPECT_EQ(S_OK, effect->GetWidth(3, &width));
    EXPECT_GT(width, 0);
}

}  // namespace
