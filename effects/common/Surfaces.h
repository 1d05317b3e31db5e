// The surfaces of a palette effect: bottom-up DIB sections of 8 bits with the
// object's colour table or of 24 bits, monochrome bitmaps, and the memory
// device contexts that hold them. The first context is the effect's own (it
// tells whether the effect is activated); this object creates and destroys
// what it holds.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>

#include "effects/common/Kernels.h"
#include "effects/common/PaletteKeys.h"
#include "winkit/GdiHandles.h"

namespace palette {

// Bytes per surface row: 4 spare bytes even when cx is a multiple of 4.
constexpr int StrideFor(int cx) { return cx - cx % 4 + 4; }

enum class SurfaceFormat : BYTE {
    Palette8,  // one byte per pixel, an index into the object's colours
    Rgb24,     // blue, green, red
    Mono,      // a monochrome bitmap: no pixel memory of its own to reach
};

// Bytes per pixel of a surface's memory, at most (a monochrome bitmap has 1 bit).
constexpr int PixelBytes(SurfaceFormat format) { return format == SurfaceFormat::Rgb24 ? 3 : 1; }

// What surfaces a class draws on and which memory contexts hold them: each
// context first holds the surface named for it, and context 0 is the effect's.
struct SurfaceSet {
    static constexpr int kMaxSurfaces = 4;
    static constexpr int kMaxContexts = 3;

    // `count` 8-bit surfaces, the first held by the effect's context. Not
    // explicit: a layout says `.surfaces = 2`.
    constexpr SurfaceSet(int count = 1) : count(count) {}
    constexpr SurfaceSet(std::initializer_list<SurfaceFormat> made, std::initializer_list<int> heldBy)
        : count(static_cast<int>(made.size())), contexts(static_cast<int>(heldBy.size())) {
        int i = 0;
        for (SurfaceFormat format : made)
            if (i < kMaxSurfaces) formats[i++] = format;
        i = 0;
        for (int surface : heldBy)
            if (i < kMaxContexts) held[i++] = surface;
    }

    std::array<SurfaceFormat, kMaxSurfaces> formats{};
    int count = 1;
    std::array<int, kMaxContexts> held{};
    int contexts = 1;
};

class Surfaces {
public:
    explicit Surfaces(winkit::MemoryDC& dc) : dc_(dc) {}
    Surfaces(const Surfaces&) = delete;
    Surfaces& operator=(const Surfaces&) = delete;
    ~Surfaces() { Release(); }

    // Creates the set's surfaces, stride x height pixels each, their pixel
    // memory cleared to 0, and its memory contexts, each holding its surface,
    // with bottom-aligned transparent text. On any failure nothing is left
    // built and the answer is false.
    bool Build(int stride, int height, const SurfaceSet& set, const ColourTable& colours);
    // Every context takes back the object it held when it was made, before
    // anything is deleted; then the contexts go, then the surfaces.
    void Release();

    // Makes surface `index` the one the effect's context draws into and copies from.
    void Select(int index);
    // Memory context `index`; null when there is none.
    HDC Context(int index) const;
    // A surface's rows (stride x 3 bytes each for 24-bit surfaces).
    Plane Pixels(int index) const;
    std::span<const BYTE> Memory(int index) const;
    // Sets a surface's pixel memory to 0, once pending drawing has reached it.
    void Clear(int index);
    int Count() const { return count_; }

private:
    winkit::MemoryDC& dc_;
    std::array<winkit::MemoryDC, SurfaceSet::kMaxContexts - 1> extraDCs_;
    std::array<HGDIOBJ, SurfaceSet::kMaxContexts> original_{};
    std::array<winkit::Bitmap, SurfaceSet::kMaxSurfaces> bitmaps_;
    std::array<BYTE*, SurfaceSet::kMaxSurfaces> bits_{};
    std::array<int, SurfaceSet::kMaxSurfaces> rowBytes_{};
    int height_ = 0;
    int count_ = 0;
    int contexts_ = 0;
};

}  // namespace palette
