// The three kernel shapes the palette effects share, working in place on
// 8-bit palette indices. Surfaces are stored bottom-up, so offset + stride is
// the row above on screen. Sums of four pixels are shifted right by 2 and a
// decay is subtracted with a clamp (never wrapping below the floor).
//
// Each shape has two forms: a per-pixel loop, and a block form that treats 8
// pixels at once, each block reading all its inputs before it writes. The
// block form runs with MMX where the module's processor check found it; the
// portable block form gives the same bytes and is the reference for it.
#pragma once

#include <windows.h>

namespace palette {

// A surface's pixels: `height` rows of `stride` bytes, bottom row first.
struct Plane {
    BYTE* pixels;
    int stride;
    int height;
};

enum class KernelForm { PerPixel, Block, MmxBlock };

// MmxBlock when the module runs the MMX kernels, else PerPixel.
KernelForm ModuleKernelForm();

// Streaks running down the picture, in ascending order:
// pixel[q] = max(0, ((pixel[q+stride-1] + pixel[q+stride] + pixel[q+stride+1] + pixel[q]) >> 2) - decay)
// for q = 1 .. stride*(height-1) - 2; blocks start at q = 1, 9, 17, ... while
// q - 1 + stride < stride*height - 10.
void FallingStreaks(const Plane& plane, BYTE decay, KernelForm form);

// Fire rising up the picture, in descending order: for n from
// stride*(height-1) - 3 down to 1,
// pixel[n+stride+writeOffset] = max(floor, ((pixel[n] + pixel[n+1] + pixel[n+2] + pixel[n+stride+1]) >> 2) - cooling),
// writeOffset 0..2 (1 writes straight above the centre of the three sources);
// blocks start at n = stride*(height-1) - 11 and go down by 8 while n >= 8.
void RisingFire(const Plane& plane, BYTE cooling, BYTE floor, int writeOffset, KernelForm form);

// A decay that need not fit a byte (a countdown, a double from a beat
// table). The per-pixel form subtracts the exact value and truncates toward
// zero; the block forms subtract its whole part with unsigned saturation.
// Beyond 255 every pixel goes to 0 either way, so the value is kept within
// 0..255 and the block forms never see a wrapped byte.
struct WideDecay {
    explicit WideDecay(double value);
    double exact;
    BYTE whole;
};

// Glow spreading to the four neighbours, in descending order: for n from
// stride*height - 2*stride - 3 down to 1, with q = n + stride + 1,
// pixel[q] = max(0, ((pixel[q+stride] + pixel[q-stride] + pixel[q-1] + pixel[q+1]) >> 2) - decay);
// blocks start at n = stride*height - 2*stride - 10 and go down by 8 while n >= 8.
void FourNeighbourGlow(const Plane& plane, BYTE decay, KernelForm form);
void FourNeighbourGlow(const Plane& plane, WideDecay decay, KernelForm form);

}  // namespace palette
