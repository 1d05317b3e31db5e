#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "comkit/ComPtr.h"
#include "comkit/TaskMem.h"
#include "tests/effects/common/ProbeEffect.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"
#include "winkit/ReadableTarget.h"

namespace {

using comkit::ComPtr;
using testsupport::Canvas;

constexpr COLORREF kBackground = RGB(0, 0, 96);
constexpr COLORREF kText = RGB(250, 250, 250);

struct HostedProbe {
    explicit HostedProbe(std::wstring text = L"Tg雨", int pixels = 36) : run(std::move(text), pixels), effect(new Probe) {
        run.colour = kText;
        run.background = kBackground;
        testsupport::Bind(effect.get(), &fonts, &run);
    }
    SIZE Area() const {
        SIZE area{};
        effect->GetDrawingArea(&area);
        return area;
    }
    ProbeBlock Saved() const {
        tagPersistMemory* record = nullptr;
        effect->SaveProperty(&record);
        const comkit::TaskMem<tagPersistMemory> owned(record);
        ProbeBlock block;
        std::memcpy(&block, record->pData, sizeof block);
        return block;
    }
    textrun::FontManager fonts;
    testsupport::TestRun run;
    ComPtr<Probe> effect;
};

std::vector<BYTE> Record(long size, long version, const ProbeBlock& block) {
    std::vector<BYTE> bytes(8 + sizeof block);
    std::memcpy(bytes.data(), &size, 4);
    std::memcpy(bytes.data() + 4, &version, 4);
    std::memcpy(bytes.data() + 8, &block, sizeof block);
    return bytes;
}

ProbeBlock CustomKeys(BYTE useRunColours) {
    ProbeBlock block{};
    block.head.count = 2;
    block.head.keys[0] = {0, 200, 0, 0};      // green
    block.head.keys[1] = {0, 0, 200, 0};      // red
    block.head.positions[0] = 0;
    block.head.positions[1] = 255;
    block.level = 99;
    block.useRunColours = useRunColours;
    return block;
}

COLORREF Colour(const RGBQUAD& entry) { return RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue); }

TEST(Surfaces, StrideKeepsFourSpareBytes) {
    EXPECT_EQ(16, palette::StrideFor(12));
    EXPECT_EQ(16, palette::StrideFor(13));
    EXPECT_EQ(20, palette::StrideFor(16));
    EXPECT_EQ(4, palette::StrideFor(0));
}

TEST(Surfaces, AreBottomUpEightBitWithTheObjectsColours) {
    HostedProbe hosted;
    hosted.effect->Activate();
    const HDC dc = hosted.effect->SurfaceContext();
    ASSERT_NE(nullptr, dc);
    DIBSECTION section{};
    ASSERT_EQ(static_cast<int>(sizeof section), GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section));
    const SIZE area = hosted.Area();
    EXPECT_EQ(8, section.dsBmih.biBitCount);
    EXPECT_EQ(palette::StrideFor(area.cx), section.dsBmih.biWidth);
    EXPECT_EQ(area.cy + 2, section.dsBmih.biHeight) << "positive: bottom-up";
    RGBQUAD table[256];
    ASSERT_EQ(256u, GetDIBColorTable(dc, 0, 256, table));
    EXPECT_EQ(0, std::memcmp(table, hosted.effect->Colours().data(), sizeof table));
    EXPECT_EQ(kBackground, Colour(table[0]));
    EXPECT_EQ(kText, Colour(table[255]));
    EXPECT_EQ(TA_BOTTOM, GetTextAlign(dc) & TA_BOTTOM);
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
}

// The letters the frame copies out lie where plain text output puts them.
TEST(Frame, ShowsTheTextWherePlainOutputPutsIt) {
    HostedProbe hosted(L"Tgy雨_", 40);
    const SIZE area = hosted.Area();
    Canvas framed(area.cx + 20, area.cy + 20, RGB(0, 0, 0));
    ASSERT_EQ(S_OK, hosted.effect->DrawTextFace(framed.dc(), {10, 10}));

    Canvas plain(area.cx + 20, area.cy + 20, RGB(0, 0, 0));
    HFONT font = nullptr;
    hosted.fonts.GetFontIndirect(&hosted.run.font, &font);
    SelectObject(plain.dc(), font);
    SetBkMode(plain.dc(), TRANSPARENT);
    SetTextColor(plain.dc(), RGB(255, 255, 255));
    const char* text = "Tgy\x89\x4a_";  // the run in code page 932
    TextOutA(plain.dc(), 10, 10, text, static_cast<int>(std::strlen(text)));
    GdiFlush();

    // Text in an 8-bit surface comes out a little thinner: the masks match
    // best, and closely, where they are not shifted against each other.
    auto plainInk = [&](int x, int y) { return GetGValue(plain.Pixel(x, y)) > 128; };
    auto framedInk = [&](int x, int y) {
        const COLORREF pixel = framed.Pixel(x, y);
        return pixel != kBackground && pixel != RGB(0, 0, 0);
    };
    auto mismatch = [&](int dx, int dy) {
        int count = 0;
        for (int y = 2; y < plain.height() - 2; ++y)
            for (int x = 2; x < plain.width() - 2; ++x) count += plainInk(x, y) != framedInk(x + dx, y + dy);
        return count;
    };
    int ink = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) ink += plainInk(x, y);
    ASSERT_GT(ink, 500);
    const int aligned = mismatch(0, 0);
    EXPECT_LT(aligned, ink / 4);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx || dy) {
                EXPECT_LT(aligned, mismatch(dx, dy)) << dx << "," << dy;
            }

    // Upside down it would not match at all.
    int flipped = 0;
    for (int y = 10; y < 10 + area.cy; ++y)
        for (int x = 10; x < 10 + area.cx; ++x) flipped += plainInk(x, y) != framedInk(x, 2 * 10 + area.cy - 1 - y);
    EXPECT_GT(flipped, 2 * aligned);
}

// Rows a frame says it left at entry 0 reach the host as a copy of them
// would: a probe that says so and one that does not give the same pixels on
// every kind of target a host may lend, spare rows and a source row below
// the top included, frame after frame over what the host showed before.
TEST(Frame, RowsLeftAtEntryZeroShowAsTheirCopyWould) {
    for (const winkit::TargetKind kind : winkit::kEveryTargetKind) {
        HostedProbe copied(L"Tg", 30), filled(L"Tg", 30);
        // Light grey: a copy to a monochrome bitmap turns it black, its nearest colour there is white.
        copied.run.background = filled.run.background = RGB(200, 200, 200);
        filled.effect->declaresRows = true;
        const SIZE area = copied.Area();
        winkit::ReadableTarget a(area.cx + 12, area.cy + 12, kind, RGB(200, 20, 90));
        winkit::ReadableTarget b(area.cx + 12, area.cy + 12, kind, RGB(200, 20, 90));
        ASSERT_TRUE(a && b) << "target " << static_cast<int>(kind);
        for (const BYTE level : {BYTE{200}, BYTE{0}, BYTE{37}}) {
            for (HostedProbe* probe : {&copied, &filled}) {
                ProbeBlock block = probe->Saved();
                block.level = level;
                auto record = Record(60, 1, block);
                probe->effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 0);
            }
            copied.effect->UpdateTextFace(a.dc(), {6, 6});
            filled.effect->UpdateTextFace(b.dc(), {6, 6});
            const palette::RowRange drawn = filled.effect->DrawnRows();
            if (level) {
                EXPECT_GT(drawn.first, 0) << "the letters leave rows below them";
                EXPECT_LT(drawn.last, area.cy) << "and above them";
            } else {
                EXPECT_LT(drawn.last, drawn.first) << "nothing drawn";
            }
            const std::span<const BYTE> pixelsA = a.Pixels(), pixelsB = b.Pixels();
            EXPECT_EQ(0, std::memcmp(pixelsA.data(), pixelsB.data(), pixelsA.size())) << "target " << static_cast<int>(kind)
                                                                                  << ", level " << +level;
        }
    }
}

TEST(Frame, BuildsOnDemandOnceThenStepsEveryTime) {
    HostedProbe hosted;
    Canvas canvas(hosted.Area().cx, hosted.Area().cy, RGB(1, 1, 1));
    EXPECT_EQ(0, hosted.effect->builds);
    hosted.effect->UpdateTextFace(canvas.dc(), {0, 0});
    hosted.effect->UpdateTextFace(canvas.dc(), {0, 0});
    EXPECT_EQ(1, hosted.effect->builds);
    EXPECT_EQ(2, hosted.effect->steps);
}

TEST(Palette, EveryBuildWritesTheDefaultKeysWithTheRunsColours) {
    HostedProbe hosted;
    auto stored = Record(48, 2, CustomKeys(1));
    ASSERT_EQ(S_OK, hosted.effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(stored.data())));
    // The stored keys shape the palette until the next build.
    EXPECT_EQ(2, hosted.Saved().head.count);
    EXPECT_EQ(RGB(0, 200, 0), Colour(hosted.effect->Colours()[0]));
    EXPECT_EQ(RGB(200, 0, 0), Colour(hosted.effect->Colours()[255]));

    hosted.effect->Activate();
    const ProbeBlock built = hosted.Saved();
    EXPECT_EQ(3, built.head.count);
    EXPECT_EQ(128, built.head.positions[1]);
    EXPECT_EQ(kBackground, RGB(built.head.keys[0].red, built.head.keys[0].green, built.head.keys[0].blue));
    EXPECT_EQ(kText, RGB(built.head.keys[2].red, built.head.keys[2].green, built.head.keys[2].blue));
    EXPECT_EQ(99, built.level) << "the parameters stay as loaded";
    EXPECT_EQ(kBackground, Colour(hosted.effect->Colours()[0]));
    EXPECT_EQ(RGB(255, 0, 0), Colour(hosted.effect->Colours()[128]));

    // Without the flag the background stays the default key's.
    auto flagless = Record(48, 2, CustomKeys(0));
    hosted.effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(flagless.data()));
    EXPECT_EQ(RGB(0, 0, 0), Colour(hosted.effect->Colours()[0]));
    EXPECT_EQ(kText, Colour(hosted.effect->Colours()[255]));
}

TEST(Palette, KeyCountsOutsideOneToNineAreKeptAndHarmless) {
    HostedProbe hosted;
    for (BYTE count : {BYTE{0}, BYTE{10}, BYTE{255}}) {
        ProbeBlock block = CustomKeys(1);
        std::memset(block.head.keys, 0x5A, sizeof block.head.keys);
        block.head.count = count;
        auto stored = Record(48, 2, block);
        hosted.effect->Deactivate();
        hosted.effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(stored.data()));
        EXPECT_EQ(count, hosted.Saved().head.count);
        auto record = Record(60, 1, block);
        record[8 + 47] = 0;  // a flag change takes the keys
        ASSERT_EQ(S_OK, hosted.effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1));
        EXPECT_EQ(count, hosted.Saved().head.count);
        hosted.effect->Activate();
        EXPECT_EQ(3, hosted.Saved().head.count) << "a build writes the defaults";
    }
}

TEST(SetVvlf, TakesPlainParametersAlwaysAndKeysOnlyWhenWatchedFieldsDiffer) {
    HostedProbe hosted;
    const ProbeBlock defaults = hosted.Saved();

    // Same flag, same key 0: only the level.
    ProbeBlock same = defaults;
    same.level = 17;
    same.head.keys[1] = {1, 2, 3, 0};
    same.head.positions[1] = 77;
    auto record = Record(60, 1, same);
    ASSERT_EQ(S_OK, hosted.effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 0));
    ProbeBlock now = hosted.Saved();
    EXPECT_EQ(17, now.level);
    EXPECT_EQ(0, std::memcmp(&defaults.head, &now.head, sizeof now.head));

    // A changed flag takes the keys and the flag and builds their gradient.
    ProbeBlock flagged = CustomKeys(0);
    record = Record(60, 1, flagged);
    ASSERT_EQ(S_OK, hosted.effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 0));
    now = hosted.Saved();
    EXPECT_EQ(0, now.useRunColours);
    EXPECT_EQ(0, std::memcmp(&flagged.head, &now.head, sizeof now.head));
    EXPECT_EQ(RGB(200, 0, 0), Colour(hosted.effect->Colours()[255]));

    // Same flag, but the watched key 0 differs: the keys are taken.
    ProbeBlock recoloured = flagged;
    recoloured.head.keys[0] = {9, 9, 9, 0};
    record = Record(60, 1, recoloured);
    hosted.effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 0);
    EXPECT_EQ(9, hosted.Saved().head.keys[0].red);

    // Taking keys while activated rebuilds the surfaces.
    hosted.effect->Activate();
    const int builds = hosted.effect->builds;
    recoloured.useRunColours = 1;
    record = Record(60, 1, recoloured);
    hosted.effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 0);
    EXPECT_GT(hosted.effect->builds, builds);
}

}  // namespace
