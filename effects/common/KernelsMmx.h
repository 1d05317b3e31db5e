// The MMX block forms of the kernels (Kernels.h); built with MMX enabled and
// called only when the processor has it. Each leaves the FPU usable (EMMS).
#pragma once

#include <cstddef>

#include <windows.h>

namespace palette::mmx {

void FallingBlocks(BYTE* pixels, std::ptrdiff_t stride, std::ptrdiff_t height, BYTE decay);
void RisingBlocks(BYTE* pixels, std::ptrdiff_t stride, std::ptrdiff_t height, BYTE cooling, BYTE floor,
                  std::ptrdiff_t writeOffset);
void GlowBlocks(BYTE* pixels, std::ptrdiff_t stride, std::ptrdiff_t height, BYTE decay);

}  // namespace palette::mmx
