// An effect class hosted for its module's own tests: bound to a run in the
// fixed-pitch face drawn without antialiasing, so that geometry can be
// compared pixel for pixel; its frames drawn, its surfaces read back.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "comkit/ComPtr.h"
#include "effectbase/EffectObject.h"
#include "effects/common/Surfaces.h"
#include "tests/support/Canvas.h"
#include "tests/support/TestHost.h"

namespace effecttest {

// A surface as read back: `height` rows of `stride` bytes, bottom row first.
struct Picture {
    std::vector<BYTE> pixels;
    int stride = 0;

    int Rows() const { return stride ? static_cast<int>(pixels.size()) / stride : 0; }
    const BYTE* Row(int row) const { return pixels.data() + static_cast<size_t>(row) * stride; }
    bool RowHasInk(int row, int from = 0, int to = -1) const {
        const BYTE* line = Row(row);
        for (int x = from; x < (to < 0 ? stride : to); ++x)
            if (line[x]) return true;
        return false;
    }
    // The lowest and the highest row with ink in columns from .. to - 1; (-1, -1) for none.
    std::pair<int, int> InkRows(int from = 0, int to = -1) const {
        std::pair<int, int> rows{-1, -1};
        for (int row = 0; row < Rows(); ++row)
            if (RowHasInk(row, from, to)) {
                if (rows.first < 0) rows.first = row;
                rows.second = row;
            }
        return rows;
    }
    int InkHeight(int from = 0, int to = -1) const {
        const auto [low, high] = InkRows(from, to);
        return low < 0 ? 0 : high - low + 1;
    }
};

template <class Font>
class Hosted {
public:
    using Object = effectbase::EffectObject<Font>;
    using Block = std::remove_cvref_t<decltype(std::declval<Object&>().block)>;

    explicit Hosted(std::wstring text, int pixels = 30) : run(std::move(text), pixels, L"ＭＳ ゴシック") {
        run.font.lfQuality = NONANTIALIASED_QUALITY;
        testsupport::Bind(effect.get(), &fonts, &run);
    }

    Object* operator->() const { return effect.get(); }
    SIZE Area() const {
        SIZE area{};
        effect->GetDrawingArea(&area);
        return area;
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) effect->UpdateTextFace(canvas.dc(), {0, 0});
    }
    Picture Surface(int index) const {
        const std::span<const BYTE> memory = effect->SurfaceMemory(index);
        return {{memory.begin(), memory.end()}, palette::StrideFor(Area().cx)};
    }
    // A parameter record of the block, as a property editor sends it.
    HRESULT Set(const Block& block) {
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {sizeof block + 12, 1};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        return effect->SetVVLF(reinterpret_cast<tagAnonyVVLF*>(record.data()), 1);
    }
    // A stored record of the block, as a document holds it.
    void Load(const Block& block) {
        std::vector<BYTE> record(8 + sizeof block);
        const long header[2] = {sizeof block, 2};
        std::memcpy(record.data(), header, 8);
        std::memcpy(record.data() + 8, &block, sizeof block);
        effect->LoadProperty(reinterpret_cast<tagPersistMemory*>(record.data()));
    }

    testsupport::TestFontCache fonts;
    testsupport::TestRun run;
    comkit::ComPtr<Object> effect{new Object};
    testsupport::Canvas canvas{1, 1, RGB(0, 0, 0)};
};

}  // namespace effecttest
