// A palette effect of a given class bound to a test run of its own, for the
// modules' own tests: frames drawn onto a canvas, the surface read back, the
// property block read, loaded as stored and set as an edited record.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "comkit/ComPtr.h"
#include "effectbase/EffectObject.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"
#include "textrun/FontManager.h"

namespace testsupport {

template <class Font>
struct HostedPalette {
    using Object = effectbase::EffectObject<Font>;
    using Block = decltype(Font::block);

    explicit HostedPalette(std::wstring text = L"Quillon 雨", int pixels = 36, Object* object = new Object)
        : run(std::move(text), pixels), effect(object) {
        Bind(effect.get(), &fonts, &run);
        effect->GetDrawingArea(&area);
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) effect->UpdateTextFace(canvas.dc(), {0, 0});
    }
    std::vector<BYTE> Surface(int index = 0) const {
        const std::span<const BYTE> memory = effect->SurfaceMemory(index);
        return {memory.begin(), memory.end()};
    }
    int Stride() const { return area.cx - area.cx % 4 + 4; }
    // Row `row` of a surface read back, in memory order (the bottom row first).
    std::vector<BYTE> Row(const std::vector<BYTE>& surface, int row) const {
        return {surface.begin() + row * Stride(), surface.begin() + (row + 1) * Stride()};
    }
    // Over `frames` frames (the mouse on the run for a stretch of them):
    // every row of surface `index` outside the rows each frame said it drew
    // holds entry 0, and some frames said they left rows out.
    ::testing::AssertionResult FramesBlankOutsideDrawnRows(int index, int frames) {
        bool leftOut = false;
        for (int frame = 0; frame < frames; ++frame) {
            if (frame == frames / 3) effect->MouseEnter();
            if (frame == frames / 2) effect->MouseLeave();
            Frames(1);
            const palette::RowRange drawn = effect->DrawnRows();
            const std::vector<BYTE> surface = Surface(index);
            const int rows = static_cast<int>(surface.size()) / Stride();
            leftOut = leftOut || drawn.first > 0 || drawn.last < rows - 1;
            for (int row = 0; row < rows; ++row) {
                const std::vector<BYTE> pixels = Row(surface, row);
                if ((row < drawn.first || row > drawn.last) &&
                    std::any_of(pixels.begin(), pixels.end(), [](BYTE pixel) { return pixel != 0; }))
                    return ::testing::AssertionFailure() << "frame " << frame << ": row " << row << " has ink outside "
                                                         << drawn.first << " .. " << drawn.last;
            }
        }
        if (!leftOut) return ::testing::AssertionFailure() << "no frame left a row out";
        return ::testing::AssertionSuccess();
    }
    Block Saved() const { return effect->block; }
    void Load(const Block& block) {
        std::vector<BYTE> record = Record(block, sizeof block, 2);
        effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(record.data()));
    }
    HRESULT Set(const Block& block) {
        std::vector<BYTE> record = Record(block, sizeof block + 12, 1);
        return effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1);
    }

    textrun::FontManager fonts;
    TestRun run;
    comkit::ComPtr<Object> effect;
    SIZE area{};
    Canvas canvas{400, 100, RGB(0, 0, 0)};

private:
    static std::vector<BYTE> Record(const Block& block, long size, long version) {
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {size, version};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        return record;
    }
};

}  // namespace testsupport
