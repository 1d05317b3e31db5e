// The 8-bit surfaces of a palette effect: one or two bottom-up DIB sections
// with the object's colour table, and the memory device context that holds
// one of them. The memory context is the effect's own (it tells whether the
// effect is activated); this object creates and destroys what it holds.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "effects/common/Kernels.h"
#include "effects/common/PaletteKeys.h"
#include "winkit/GdiHandles.h"

namespace palette {

// Bytes per surface row: 4 spare bytes even when cx is a multiple of 4.
constexpr int StrideFor(int cx) { return cx - cx % 4 + 4; }

class Surfaces {
public:
    static constexpr int kMaxSurfaces = 2;

    explicit Surfaces(winkit::MemoryDC& dc) : dc_(dc) {}
    Surfaces(const Surfaces&) = delete;
    Surfaces& operator=(const Surfaces&) = delete;
    ~Surfaces() { Release(); }

    // Creates `count` surfaces of stride x height, cleared to 0, and a memory
    // context holding the first, with bottom-aligned transparent text. On any
    // failure nothing is left built and the answer is false.
    bool Build(int stride, int height, int count, const ColourTable& colours);
    // Puts the bitmap the context held back, deletes the context, then the surfaces.
    void Release();

    // Makes surface `index` the one the context draws into and copies from.
    void Select(int index);
    Plane Pixels(int index) const;
    std::span<const BYTE> Memory(int index) const;
    int Count() const { return count_; }

private:
    winkit::MemoryDC& dc_;
    std::array<winkit::Bitmap, kMaxSurfaces> bitmaps_;
    std::array<BYTE*, kMaxSurfaces> bits_{};
    HGDIOBJ original_ = nullptr;
    int stride_ = 0;
    int height_ = 0;
    int count_ = 0;
};

}  // namespace palette
