#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <numeric>
#include <vector>

#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "effectbase/EffectObject.h"
#include "effects/Rain/RainFont.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace {

using comkit::ComPtr;
using Rain = effectbase::EffectObject<RainFont>;

constexpr COLORREF kBackground = RGB(20, 0, 40);
constexpr COLORREF kText = RGB(255, 255, 0);

struct HostedRain {
    explicit HostedRain(std::wstring text = L"雨の日", int pixels = 36, Rain* object = new Rain)
        : run(std::move(text), pixels), effect(object), canvas(Area().cx + 2, Area().cy + 2, RGB(0, 0, 0)) {}
    SIZE Area() {
        if (!bound) {
            run.colour = kText;
            run.background = kBackground;
            testsupport::Bind(effect.get(), &fonts, &run);
            bound = true;
        }
        SIZE area{};
        effect->GetDrawingArea(&area);
        return area;
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) effect->UpdateTextFace(canvas.dc(), {1, 1});
    }
    std::vector<BYTE> Surface() const {
        const std::span<const BYTE> memory = effect->SurfaceMemory(0);
        return {memory.begin(), memory.end()};
    }
    RainBlock Saved() const {
        tagPersistMemory* record = nullptr;
        effect->SaveProperty(&record);
        const comkit::TaskMem<tagPersistMemory> owned(record);
        RainBlock block;
        std::memcpy(&block, record->pData, sizeof block);
        return block;
    }
    void Load(const RainBlock& block) {
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {sizeof block, 2};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(record.data()));
    }
    HRESULT Set(const RainBlock& block) {
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {sizeof block + 12, 1};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        return effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1);
    }
    RainBlock With(BYTE decay, BYTE drops) const {
        RainBlock block = Saved();
        block.decay = decay;
        block.drops = drops;
        return block;
    }

    bool bound = false;
    textrun::FontManager fonts;
    testsupport::TestRun run;
    ComPtr<Rain> effect;
    testsupport::Canvas canvas;
};

TEST(Rain, DefaultBlock) {
    const ComPtr<Rain> effect(new Rain);
    tagPersistMemory* record = nullptr;
    ASSERT_EQ(S_OK, effect->SaveProperty(&record));
    const comkit::TaskMem<tagPersistMemory> owned(record);
    ASSERT_EQ(49, record->nSize);
    const BYTE* block = record->pData;
    const BYTE colours[6][3] = {{0, 0, 0}, {0, 0, 0}, {255, 0, 0}, {255, 255, 0}, {255, 255, 255}, {255, 255, 255}};
    for (int key = 0; key < 6; ++key) EXPECT_EQ(0, std::memcmp(colours[key], block + 4 * key, 3)) << "key " << key;
    EXPECT_EQ(6, block[36]);
    const BYTE positions[6] = {0, 1, 85, 170, 254, 255};
    EXPECT_EQ(0, std::memcmp(positions, block + 37, 6));
    EXPECT_EQ(8, block[46]);
    EXPECT_EQ(20, block[47]);
    EXPECT_EQ(1, block[48]);
}

TEST(Rain, BuildsPutTheBackgroundOnKeyZeroAndTheTextColourOnTheLastKey) {
    for (BYTE flag : {BYTE{1}, BYTE{0}}) {
        HostedRain rain;
        RainBlock block = rain.Saved();
        block.useRunColours = flag;
        rain.Load(block);
        rain.effect->Activate();
        const RainBlock built = rain.Saved();
        const COLORREF key0 = RGB(built.head.keys[0].red, built.head.keys[0].green, built.head.keys[0].blue);
        const COLORREF key5 = RGB(built.head.keys[5].red, built.head.keys[5].green, built.head.keys[5].blue);
        EXPECT_EQ(flag ? kBackground : RGB(0, 0, 0), key0);
        EXPECT_EQ(kText, key5) << "the text colour whatever the flag";
        EXPECT_EQ(255, built.head.positions[5]);

        // What the frame shows: the background around the letters, the text colour on them.
        rain.Set(rain.With(8, 0));
        rain.Frames(1);
        const SIZE area = rain.Area();
        EXPECT_GT(rain.canvas.Count(flag ? kBackground : RGB(0, 0, 0), {1, 1, 1 + area.cx, 1 + area.cy}),
                  area.cx * area.cy / 3);
        EXPECT_GT(rain.canvas.Count(kText, {1, 1, 1 + area.cx, 1 + area.cy}), 50);
    }
}

// The drop points come from the module's generator seeded with the clock at
// the build; the test retries when the build straddles a second.
TEST(Rain, DropsSplashAtTheBuildsRandomPointsInTurn) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        HostedRain rain(L"                ", 36);  // blanks: only drops show
        const SIZE area = rain.Area();
        const int stride = palette::StrideFor(area.cx);
        ASSERT_EQ(S_OK, rain.Set(rain.With(0, 20)));
        std::srand(7);
        const int hostFirst = std::rand();
        std::srand(7);
        const auto before = static_cast<std::uint32_t>(std::time(nullptr));
        rain.effect->Activate();
        if (static_cast<std::uint32_t>(std::time(nullptr)) != before) continue;
        EXPECT_EQ(hostFirst, std::rand()) << "the host's generator is not reseeded";

        palette::CrtRandom random;
        random.Seed(before);
        std::vector<int> centres;
        for (int i = 0; i < 256; ++i) {
            const int x = random.Next() % (stride - 8) + 4;
            const int y = random.Next() % (area.cy - 8) + 4;
            centres.push_back((y + 1) * stride + x);
        }

        // One frame: a plus at each of the first 20 points, run down one row.
        rain.Frames(1);
        std::vector<BYTE> pixels = rain.Surface();
        std::vector<bool> nearDrop(pixels.size(), false);
        for (int i = 0; i < 20; ++i) {
            EXPECT_NE(0, pixels[centres[i]]) << "point " << i;
            for (int dy = -2; dy <= 1; ++dy)
                for (int dx = -2; dx <= 2; ++dx) nearDrop[centres[i] + dy * stride + dx] = true;
        }
        for (size_t at = 0; at < pixels.size(); ++at)
            ASSERT_TRUE(pixels[at] == 0 || nearDrop[at]) << "light far from every drop at " << at;

        // The next frame goes on with the next 20 points.
        rain.Frames(1);
        pixels = rain.Surface();
        for (int i = 20; i < 40; ++i) EXPECT_GE(pixels[centres[i]], 63) << "point " << i;
        return;
    }
    FAIL() << "the clock kept ticking over during the build";
}

TEST(Rain, SmallRunsGetNoDrops) {
    HostedRain rain(L" ", 6);
    ASSERT_LE(rain.Area().cy, 8);
    rain.Set(rain.With(0, 255));
    rain.Frames(5);
    const std::vector<BYTE> pixels = rain.Surface();
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(0, std::accumulate(pixels.begin(), pixels.end(), 0L));
}

// How far the letters' streaks reach (no drops): the light in the bottom
// rows of the picture (the first rows in memory) after some frames. The
// letters fill the rest of their cell either way.
long Streaks(HostedRain& rain, int frames) {
    rain.Frames(frames);
    const std::vector<BYTE> pixels = rain.Surface();
    const size_t bottom = 4 * static_cast<size_t>(palette::StrideFor(rain.Area().cx));
    return std::accumulate(pixels.begin(), pixels.begin() + bottom, 0L);
}

TEST(Rain, HoveringMakesLongStreaksUntilTheMouseLeaves) {
    HostedRain still(L"雨雨雨", 36);
    HostedRain hovered(L"雨雨雨", 36);
    for (HostedRain* rain : {&still, &hovered}) rain->Set(rain->With(8, 0));
    hovered.effect->MouseEnter();
    const long plain = Streaks(still, 30);
    const long hover = Streaks(hovered, 30);
    EXPECT_GT(hover, plain * 3 / 2);

    hovered.effect->MouseLeave();
    const long left = Streaks(hovered, 60);
    const long stillLater = Streaks(still, 60);
    EXPECT_NEAR(stillLater, left, stillLater / 20) << "back to the stored decay";
}

TEST(Rain, StoredAndClonedDecayShowAtOnceWhileTheMouseKeepsItsOwnUntilItLeaves) {
    HostedRain loaded(L"雨の雫", 36);
    HostedRain edited(L"雨の雫", 36);
    loaded.Load(loaded.With(0, 0));
    ASSERT_EQ(S_OK, edited.Set(edited.With(0, 0)));
    Streaks(loaded, 20);
    Streaks(edited, 20);
    EXPECT_EQ(edited.Surface(), loaded.Surface()) << "a stored decay of 0 shows from the first frame";

    ComPtr<IViviFont> copy;
    ASSERT_EQ(S_OK, loaded.effect->Clone(copy.put()));
    HostedRain cloned(L"雨の雫", 36, static_cast<Rain*>(copy.get()));
    HostedRain fresh(L"雨の雫", 36);
    fresh.Set(fresh.With(0, 0));
    Streaks(cloned, 20);
    Streaks(fresh, 20);
    EXPECT_EQ(fresh.Surface(), cloned.Surface()) << "so does a clone's";

    HostedRain hovered(L"雨の雫", 36);
    HostedRain hoveredDefaults(L"雨の雫", 36);
    for (HostedRain* rain : {&hovered, &hoveredDefaults}) rain->Set(rain->With(8, 0));
    hovered.effect->MouseEnter();
    hoveredDefaults.effect->MouseEnter();
    hovered.Load(hovered.With(30, 0));
    Streaks(hovered, 20);
    Streaks(hoveredDefaults, 20);
    EXPECT_EQ(hoveredDefaults.Surface(), hovered.Surface()) << "the long streaks stay while the mouse is inside";
    hovered.effect->MouseLeave();
    hoveredDefaults.effect->MouseLeave();
    EXPECT_LT(Streaks(hovered, 20), Streaks(hoveredDefaults, 20)) << "then the stored decay of 30";
}

TEST(Rain, SetVvlfTakesTheKeysOnlyWhenTheFlagChanges) {
    HostedRain rain;
    const RainBlock before = rain.Saved();
    RainBlock record = before;
    record.head.keys[2] = {1, 2, 3, 0};
    record.head.count = 3;
    record.decay = 30;
    record.drops = 40;
    ASSERT_EQ(S_OK, rain.Set(record));
    RainBlock now = rain.Saved();
    EXPECT_EQ(0, std::memcmp(&before.head, &now.head, sizeof now.head));
    EXPECT_EQ(30, now.decay);
    EXPECT_EQ(40, now.drops);

    record.useRunColours = 0;
    ASSERT_EQ(S_OK, rain.Set(record));
    now = rain.Saved();
    EXPECT_EQ(0, now.useRunColours);
    EXPECT_EQ(3, now.head.count);
    EXPECT_EQ(3, now.head.keys[2].red);
}

}  // namespace
