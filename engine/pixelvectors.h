#pragma once

// Loops shared by the AVX2 and AVX-512 variants of the in-place pixel
// kernels; each kernel supplies what happens to one vector of pixels.

#include "engine/vectorpath.h"
#include "engine/vectortargets.h"

#include <cstddef>
#include <cstdint>

namespace weftara::engine {

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

// Where a loop does much work per byte, the processor is too busy to ask for
// the next lines in time and the loop waits on memory; so every vector loop
// asks for the lines this many bytes ahead of itself.
constexpr std::size_t kFetchAhead = 4096;

inline void fetchAhead(const void *at) noexcept
{
    _mm_prefetch(reinterpret_cast<const char *>(reinterpret_cast<std::uintptr_t>(at) + kFetchAhead), _MM_HINT_T0);
}

// Runs the widest vector variant vectorPath() allows and returns how many of
// the count items it did: the AVX-512 variant does them all, the AVX2 one
// says how many; the caller's portable loop does the rest.
template <class Avx512, class Avx2>
std::size_t vectorPart(std::size_t count, Avx512 &&avx512, Avx2 &&avx2)
{
    switch (vectorPath()) {
    case VectorPath::Avx512: avx512(); return count;
    case VectorPath::Avx2: return avx2();
    case VectorPath::Portable: break;
    }
    return 0;
}

// Byte 3 of every pixel cleared.
WEFTARA_AVX2 inline __m256i colorBytesAvx2(__m256i px)
{
    return _mm256_and_si256(px, _mm256_set1_epi32(0x00FFFFFF));
}

WEFTARA_AVX512 inline __m512i colorBytes512(__m512i px)
{
    return _mm512_and_si512(px, _mm512_set1_epi32(0x00FFFFFF));
}

// The first min(pixels, 16) lanes.
WEFTARA_AVX512 inline __mmask16 tailMask16(std::size_t pixels)
{
    return pixels >= 16 ? __mmask16(0xFFFF) : __mmask16((1u << pixels) - 1);
}

// pixels[i] = step(pixels[i]) eight at a time; returns how many were done,
// the rest being left to the portable loop.
template <class Step>
WEFTARA_AVX2 inline std::size_t eachPixelAvx2(std::uint32_t *pixels, std::size_t count, const Step &step)
{
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        auto *at = reinterpret_cast<__m256i *>(pixels + i);
        fetchAhead(at);
        _mm256_storeu_si256(at, step(_mm256_loadu_si256(at)));
    }
    return i;
}

// pixels[i] = step(pixels[i]) sixteen at a time, the last run masked.
template <class Step>
WEFTARA_AVX512 inline void eachPixel512(std::uint32_t *pixels, std::size_t count, const Step &step)
{
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16) {
        fetchAhead(pixels + i);
        _mm512_storeu_si512(pixels + i, step(_mm512_loadu_si512(pixels + i)));
    }
    if (i < count) {
        const __mmask16 mask = tailMask16(count - i);
        _mm512_mask_storeu_epi32(pixels + i, mask, step(_mm512_maskz_loadu_epi32(mask, pixels + i)));
    }
}

// A 256-byte table in four registers, looked up 64 bytes at a time.
struct ByteTable512
{
    __m512i part[4];
};

WEFTARA_AVX512 inline ByteTable512 loadTable512(const std::uint8_t *table)
{
    ByteTable512 t;
    for (int k = 0; k < 4; ++k)
        t.part[k] = _mm512_loadu_si512(table + 64 * k);
    return t;
}

WEFTARA_AVX512 inline __m512i lookup512(const ByteTable512 &t, __m512i index)
{
    const __m512i low = _mm512_permutex2var_epi8(t.part[0], index, t.part[1]);
    const __m512i high = _mm512_permutex2var_epi8(t.part[2], index, t.part[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(index), low, high);
}

WEFTARA_VECTOR_CODE_END
#endif

} // namespace weftara::engine
