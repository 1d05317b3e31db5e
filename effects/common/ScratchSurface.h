// An 8-bit bottom-up surface of its own, with a given colour table and its
// pixels cleared to 0, held in a memory context that draws transparent text:
// where the stamps make the text calls they capture.
#pragma once

#include <windows.h>

#include <span>

#include "effects/common/Kernels.h"
#include "winkit/GdiHandles.h"

namespace palette {

class ScratchSurface {
public:
    ScratchSurface(int width, int height, std::span<const RGBQUAD> colours);
    ScratchSurface(const ScratchSurface&) = delete;
    ScratchSurface& operator=(const ScratchSurface&) = delete;

    // False when the surface or its context could not be made.
    explicit operator bool() const { return plane_.pixels != nullptr; }
    HDC Context() const { return dc_.get(); }
    const Plane& Pixels() const { return plane_; }

private:
    winkit::MemoryDC dc_;
    void* memory_ = nullptr;
    winkit::Bitmap bitmap_;
    winkit::Selection selection_;
    Plane plane_{};
};

}  // namespace palette
