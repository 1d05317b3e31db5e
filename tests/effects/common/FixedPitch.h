// A hosted palette effect whose run is in the fixed-pitch face drawn without
// antialiasing, so that geometry can be compared pixel for pixel, and its
// surfaces read back as pictures.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/effects/common/HostedPalette.h"

namespace testsupport {

// A surface as read back: rows of `stride` bytes, bottom row first.
struct Picture {
    std::vector<BYTE> pixels;
    int stride = 0;

    int Rows() const { return stride ? static_cast<int>(pixels.size()) / stride : 0; }
    const BYTE* Row(int row) const { return pixels.data() + static_cast<size_t>(row) * stride; }
    bool RowHasInk(int row) const {
        return std::any_of(Row(row), Row(row) + stride, [](BYTE pixel) { return pixel != 0; });
    }
    // The lowest and the highest row with ink; (-1, -1) for none.
    std::pair<int, int> InkRows() const {
        std::pair<int, int> rows{-1, -1};
        for (int row = 0; row < Rows(); ++row)
            if (RowHasInk(row)) rows = {rows.first < 0 ? row : rows.first, row};
        return rows;
    }
    int InkHeight() const {
        const auto [low, high] = InkRows();
        return low < 0 ? 0 : high - low + 1;
    }
};

template <class Font>
struct FixedPitch : HostedPalette<Font> {
    FixedPitch(std::wstring text, int pixels) : HostedPalette<Font>(std::move(text), pixels) {
        this->run.font = TestRun(L"", pixels, L"ＭＳ ゴシック").font;
        this->run.font.lfQuality = NONANTIALIASED_QUALITY;
        this->effect->ChangeParagraph();
    }

    typename HostedPalette<Font>::Object* operator->() const { return this->effect.get(); }
    SIZE Area() const {
        SIZE area{};
        this->effect->GetDrawingArea(&area);
        return area;
    }
    Picture Surface(int index) const {
        const std::span<const BYTE> memory = this->effect->SurfaceMemory(index);
        return {{memory.begin(), memory.end()}, Area().cx - Area().cx % 4 + 4};
    }
};

}  // namespace testsupport
