#include "effects/common/KernelsMmx.h"

#include <mmintrin.h>

#include <cstring>

namespace palette::mmx {

namespace {
using Offset = std::ptrdiff_t;
constexpr Offset kBlock = 8;

inline __m64 Load(const BYTE* p) {
    __m64 value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline void Store(BYTE* p, __m64 value) { std::memcpy(p, &value, sizeof value); }

inline __m64 Splat(BYTE value) { return _mm_set1_pi8(static_cast<char>(value)); }

// (a + b + c + d) >> 2 for 8 unsigned bytes, summed in 16-bit lanes.
inline __m64 Average(__m64 a, __m64 b, __m64 c, __m64 d) {
    const __m64 zero = _mm_setzero_si64();
    const __m64 low = _mm_add_pi16(_mm_add_pi16(_mm_unpacklo_pi8(a, zero), _mm_unpacklo_pi8(b, zero)),
                                   _mm_add_pi16(_mm_unpacklo_pi8(c, zero), _mm_unpacklo_pi8(d, zero)));
    const __m64 high = _mm_add_pi16(_mm_add_pi16(_mm_unpackhi_pi8(a, zero), _mm_unpackhi_pi8(b, zero)),
                                    _mm_add_pi16(_mm_unpackhi_pi8(c, zero), _mm_unpackhi_pi8(d, zero)));
    return _mm_packs_pu16(_mm_srli_pi16(low, 2), _mm_srli_pi16(high, 2));
}
}  // namespace

void FallingBlocks(BYTE* p, Offset s, Offset h, BYTE decay) {
    const __m64 minus = Splat(decay);
    for (Offset q = 1; q - 1 + s < s * h - 10; q += kBlock)
        Store(p + q, _mm_subs_pu8(Average(Load(p + q + s - 1), Load(p + q + s), Load(p + q + s + 1), Load(p + q)), minus));
    _mm_empty();
}

void RisingBlocks(BYTE* p, Offset s, Offset h, BYTE cooling, BYTE floor, Offset offset) {
    const __m64 minus = Splat(cooling);
    const __m64 base = Splat(floor);
    for (Offset n = s * (h - 1) - 11; n >= kBlock; n -= kBlock) {
        const __m64 heat = Average(Load(p + n), Load(p + n + 1), Load(p + n + 2), Load(p + n + s + 1));
        // Above the floor, cooled, back on the floor: max(floor, heat - cooling).
        Store(p + n + s + offset, _mm_adds_pu8(_mm_subs_pu8(_mm_subs_pu8(heat, base), minus), base));
    }
    _mm_empty();
}

void GlowBlocks(BYTE* p, Offset s, Offset h, BYTE decay) {
    const __m64 minus = Splat(decay);
    Offset n = s * h - 2 * s - 10;
    if (n < kBlock) return;
    // A block's right-hand neighbours end in the first pixel the block before
    // it wrote. Reading them back would straddle that write, which stalls the
    // load until the store retires; the written block is still at hand.
    __m64 written = _mm_cvtsi32_si64(p[n + s + 1 + kBlock]);
    for (; n >= kBlock; n -= kBlock) {
        const Offset q = n + s + 1;
        const __m64 right = _mm_or_si64(_mm_srli_si64(Load(p + q), 8), _mm_slli_si64(written, 56));
        written = _mm_subs_pu8(Average(Load(p + q + s), Load(p + q - s), Load(p + q - 1), right), minus);
        Store(p + q, written);
    }
    _mm_empty();
}

}  // namespace palette::mmx
