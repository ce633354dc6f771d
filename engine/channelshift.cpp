#include "engine/channelshift.h"

#include "engine/packedbytes.h"
#include "engine/pixelvectors.h"

#include <algorithm>
#include <cstdint>

namespace weftara::engine {

namespace {

using std::uint32_t;

void shiftPixels(uint32_t *row, std::size_t pixels, uint32_t raise, uint32_t lower)
{
    for (std::size_t x = 0; x < pixels; ++x)
        row[x] = subtractSaturated(addSaturated(row[x] & kColorBytes, raise), lower) & kColorBytes;
}

void brightenPixels(uint32_t *__restrict row, const uint32_t *__restrict add, std::size_t pixels)
{
    for (std::size_t x = 0; x < pixels; ++x)
        row[x] = addSaturated(row[x] & kColorBytes, add[x]) & kColorBytes;
}

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

WEFTARA_AVX2 std::size_t shiftPixelsAvx2(uint32_t *row, std::size_t pixels, uint32_t raise, uint32_t lower)
{
    const __m256i up = _mm256_set1_epi32(int(raise));
    const __m256i down = _mm256_set1_epi32(int(lower));
    return eachPixelAvx2(row, pixels, [up, down](__m256i px) WEFTARA_AVX2 {
        return colorBytesAvx2(_mm256_subs_epu8(_mm256_adds_epu8(px, up), down));
    });
}

WEFTARA_AVX512 void shiftPixels512(uint32_t *row, std::size_t pixels, uint32_t raise, uint32_t lower)
{
    const __m512i up = _mm512_set1_epi32(int(raise));
    const __m512i down = _mm512_set1_epi32(int(lower));
    eachPixel512(row, pixels, [up, down](__m512i px) WEFTARA_AVX512 {
        return colorBytes512(_mm512_subs_epu8(_mm512_adds_epu8(px, up), down));
    });
}

WEFTARA_AVX2 std::size_t brightenPixelsAvx2(uint32_t *row, const uint32_t *add, std::size_t pixels)
{
    std::size_t x = 0;
    for (; x + 8 <= pixels; x += 8) {
        auto *at = reinterpret_cast<__m256i *>(row + x);
        fetchAhead(at);
        const __m256i amount = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(add + x));
        _mm256_storeu_si256(at, colorBytesAvx2(_mm256_adds_epu8(_mm256_loadu_si256(at), amount)));
    }
    return x;
}

WEFTARA_AVX512 void brightenPixels512(uint32_t *row, const uint32_t *add, std::size_t pixels)
{
    for (std::size_t x = 0; x < pixels; x += 16) {
        fetchAhead(row + x);
        const __mmask16 mask = tailMask16(pixels - x);
        const __m512i px = _mm512_maskz_loadu_epi32(mask, row + x);
        const __m512i amount = _mm512_maskz_loadu_epi32(mask, add + x);
        _mm512_mask_storeu_epi32(row + x, mask, colorBytes512(_mm512_adds_epu8(px, amount)));
    }
}

WEFTARA_VECTOR_CODE_END
#endif

// Byte k of the word gets the part of amount that points the given way.
// Amounts of 255 or more take every byte to 255, amounts of -255 or less to
// 0, so clamping them to one byte gives what adding in full-width integers
// and clamping the sum would give.
uint32_t part(int amount, int sign, int byte) noexcept
{
    const int magnitude = std::clamp(sign * amount, 0, 255);
    return uint32_t(magnitude) << (8 * byte);
}

uint32_t partWord(ChannelShift shift, int sign) noexcept
{
    return part(shift.blue, sign, 0) | part(shift.green, sign, 1) | part(shift.red, sign, 2);
}

} // namespace

void shiftRow(quint8 *row, std::size_t pixels, ChannelShift shift)
{
    auto *px = reinterpret_cast<uint32_t *>(row);
    const uint32_t raise = partWord(shift, 1);
    const uint32_t lower = partWord(shift, -1);
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(pixels, [&] { shiftPixels512(px, pixels, raise, lower); },
                      [&] { return shiftPixelsAvx2(px, pixels, raise, lower); });
#endif
    shiftPixels(px + done, pixels - done, raise, lower);
}

void brightenRow(quint8 *row, const quint32 *add, std::size_t pixels)
{
    auto *px = reinterpret_cast<uint32_t *>(row);
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(pixels, [&] { brightenPixels512(px, add, pixels); },
                      [&] { return brightenPixelsAvx2(px, add, pixels); });
#endif
    brightenPixels(px + done, add + done, pixels - done);
}

} // namespace weftara::engine
