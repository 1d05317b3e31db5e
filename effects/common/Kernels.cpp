#include "effects/common/Kernels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "effects/common/KernelsMmx.h"
#include "effects/common/ModuleSetup.h"

namespace palette {

namespace {
using Offset = std::ptrdiff_t;
constexpr int kBlock = 8;

inline BYTE Reduce(int a, int b, int c, int d, int decay, int floor) {
    const int value = ((a + b + c + d) >> 2) - decay;
    return static_cast<BYTE>(value < floor ? floor : value);
}

void FallingPixels(BYTE* p, Offset s, Offset h, BYTE decay) {
    const Offset last = s * (h - 1) - 2;
    for (Offset q = 1; q <= last; ++q) p[q] = Reduce(p[q + s - 1], p[q + s], p[q + s + 1], p[q], decay, 0);
}

void FallingBlocks(BYTE* p, Offset s, Offset h, BYTE decay) {
    for (Offset q = 1; q - 1 + s < s * h - 10; q += kBlock) {
        BYTE out[kBlock];
        for (Offset j = 0; j < kBlock; ++j) {
            const Offset at = q + j;
            out[j] = Reduce(p[at + s - 1], p[at + s], p[at + s + 1], p[at], decay, 0);
        }
        std::memcpy(p + q, out, kBlock);
    }
}

void RisingPixels(BYTE* p, Offset s, Offset h, BYTE cooling, BYTE floor, Offset offset) {
    for (Offset n = s * (h - 1) - 3; n >= 1; --n)
        p[n + s + offset] = Reduce(p[n], p[n + 1], p[n + 2], p[n + s + 1], cooling, floor);
}

void RisingBlocks(BYTE* p, Offset s, Offset h, BYTE cooling, BYTE floor, Offset offset) {
    for (Offset n = s * (h - 1) - 11; n >= kBlock; n -= kBlock) {
        BYTE out[kBlock];
        for (Offset j = 0; j < kBlock; ++j) {
            const Offset at = n + j;
            out[j] = Reduce(p[at], p[at + 1], p[at + 2], p[at + s + 1], cooling, floor);
        }
        std::memcpy(p + n + s + offset, out, kBlock);
    }
}

void GlowPixels(BYTE* p, Offset s, Offset h, BYTE decay) {
    // Each pixel takes its right-hand neighbour as just computed: one chain
    // through the whole plane. The rest is summed off that chain, the decay
    // taken out before the shift (floor(x / 4) - d is floor((x - 4d) / 4)),
    // so that a pixel waits on the one before only for an add, a shift and
    // a clamp.
    const Offset last = s * h - 2 * s - 3;
    if (last < 1) return;
    int right = p[last + s + 2];
    for (Offset n = last; n >= 1; --n) {
        const Offset q = n + s + 1;
        const int value = (p[q + s] + p[q - s] + p[q - 1] - 4 * decay + right) >> 2;
        right = value < 0 ? 0 : value;
        p[q] = static_cast<BYTE>(right);
    }
}

void GlowPixels(BYTE* p, Offset s, Offset h, double decay) {
    for (Offset n = s * h - 2 * s - 3; n >= 1; --n) {
        const Offset q = n + s + 1;
        const double value = ((p[q + s] + p[q - s] + p[q - 1] + p[q + 1]) >> 2) - decay;
        p[q] = value < 0 ? 0 : static_cast<BYTE>(value);
    }
}

void GlowBlocks(BYTE* p, Offset s, Offset h, BYTE decay) {
    for (Offset n = s * h - 2 * s - 10; n >= kBlock; n -= kBlock) {
        const Offset q = n + s + 1;
        BYTE out[kBlock];
        for (Offset j = 0; j < kBlock; ++j) {
            const Offset at = q + j;
            out[j] = Reduce(p[at + s], p[at - s], p[at - 1], p[at + 1], decay, 0);
        }
        std::memcpy(p + q, out, kBlock);
    }
}

bool Usable(const Plane& plane) { return plane.pixels && plane.stride > 0 && plane.height > 0; }
}  // namespace

KernelForm ModuleKernelForm() { return UseMmxKernels() ? KernelForm::MmxBlock : KernelForm::PerPixel; }

void FallingStreaks(const Plane& plane, BYTE decay, KernelForm form) {
    if (!Usable(plane)) return;
    switch (form) {
        case KernelForm::PerPixel: return FallingPixels(plane.pixels, plane.stride, plane.height, decay);
        case KernelForm::Block: return FallingBlocks(plane.pixels, plane.stride, plane.height, decay);
        case KernelForm::MmxBlock: return mmx::FallingBlocks(plane.pixels, plane.stride, plane.height, decay);
    }
}

void RisingFire(const Plane& plane, BYTE cooling, BYTE floor, int writeOffset, KernelForm form) {
    if (!Usable(plane)) return;
    const Offset offset = std::clamp(writeOffset, 0, 2);
    switch (form) {
        case KernelForm::PerPixel:
            return RisingPixels(plane.pixels, plane.stride, plane.height, cooling, floor, offset);
        case KernelForm::Block:
            return RisingBlocks(plane.pixels, plane.stride, plane.height, cooling, floor, offset);
        case KernelForm::MmxBlock:
            return mmx::RisingBlocks(plane.pixels, plane.stride, plane.height, cooling, floor, offset);
    }
}

void FourNeighbourGlow(const Plane& plane, BYTE decay, KernelForm form) {
    if (!Usable(plane)) return;
    switch (form) {
        case KernelForm::PerPixel: return GlowPixels(plane.pixels, plane.stride, plane.height, decay);
        case KernelForm::Block: return GlowBlocks(plane.pixels, plane.stride, plane.height, decay);
        case KernelForm::MmxBlock: return mmx::GlowBlocks(plane.pixels, plane.stride, plane.height, decay);
    }
}

WideDecay::WideDecay(double value)
    : exact(std::clamp(value, 0.0, 255.0)), whole(static_cast<BYTE>(exact)) {}

void FourNeighbourGlow(const Plane& plane, WideDecay decay, KernelForm form) {
    if (!Usable(plane)) return;
    if (form == KernelForm::PerPixel) return GlowPixels(plane.pixels, plane.stride, plane.height, decay.exact);
    FourNeighbourGlow(plane, decay.whole, form);
}

}  // namespace palette
