#include "engine/weaveselect.h"

#include "engine/pixelvectors.h"

#include <algorithm>
#include <cstdint>

namespace weftara::engine {

namespace {

using std::uint32_t;

void selectLight(const uint32_t *__restrict pattern, const uint32_t *__restrict base,
                 uint32_t *__restrict out, std::size_t count, uint32_t threshold)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = base[i];
        const bool light = (px & 0xFFu) >= threshold && ((px >> 8) & 0xFFu) >= threshold
            && ((px >> 16) & 0xFFu) >= threshold;
        // A bit select rather than ?:, so that the pattern is read with a plain load.
        const uint32_t take = 0u - uint32_t(light);
        out[i] = (pattern[i] & take) | (px & ~take);
    }
}

void selectDark(const uint32_t *__restrict pattern, const uint32_t *__restrict base,
                uint32_t *__restrict out, std::size_t count, uint32_t threshold)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = base[i];
        const bool dark = (px & 0xFFu) <= threshold && ((px >> 8) & 0xFFu) <= threshold
            && ((px >> 16) & 0xFFu) <= threshold;
        const uint32_t take = 0u - uint32_t(dark);
        out[i] = (pattern[i] & take) | (px & ~take);
    }
}

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

// The vector loops test each colour byte against the threshold with a
// saturating subtraction, which is 0 exactly where the byte passes: t - byte
// for light (byte >= t), byte - t for dark (byte <= t). Byte 3 of the
// subtrahend is 0 for light and 255 for dark, so byte 3 of the base never
// counts. A pixel takes the pattern where all four differences are 0.
uint32_t spreadThreshold(uint32_t threshold, WeavePart part) noexcept
{
    return threshold * 0x010101u | (part == WeavePart::Dark ? 0xFF000000u : 0u);
}

WEFTARA_AVX2 std::size_t selectAvx2(const uint32_t *pattern, const uint32_t *base, uint32_t *out,
                                    std::size_t count, uint32_t threshold, WeavePart part)
{
    const __m256i t = _mm256_set1_epi32(int(spreadThreshold(threshold, part)));
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        fetchAhead(base + i);
        fetchAhead(pattern + i);
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(base + i));
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(pattern + i));
        const __m256i missed = part == WeavePart::Light ? _mm256_subs_epu8(t, b) : _mm256_subs_epu8(b, t);
        const __m256i take = _mm256_cmpeq_epi32(missed, _mm256_setzero_si256());
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), _mm256_blendv_epi8(b, p, take));
    }
    return i;
}

WEFTARA_AVX512 void select512(const uint32_t *pattern, const uint32_t *base, uint32_t *out, std::size_t count,
                              uint32_t threshold, WeavePart part)
{
    const __m512i t = _mm512_set1_epi32(int(spreadThreshold(threshold, part)));
    for (std::size_t i = 0; i < count; i += 16) {
        fetchAhead(base + i);
        fetchAhead(pattern + i);
        const __mmask16 lanes = tailMask16(count - i);
        const __m512i b = _mm512_maskz_loadu_epi32(lanes, base + i);
        const __m512i p = _mm512_maskz_loadu_epi32(lanes, pattern + i);
        const __m512i missed = part == WeavePart::Light ? _mm512_subs_epu8(t, b) : _mm512_subs_epu8(b, t);
        const __mmask16 take = _mm512_testn_epi32_mask(missed, missed);
        _mm512_mask_storeu_epi32(out + i, lanes, _mm512_mask_blend_epi32(take, b, p));
    }
}

WEFTARA_VECTOR_CODE_END
#endif

void selectPart(const uint32_t *pattern, const uint32_t *base, uint32_t *out, std::size_t count,
                uint32_t threshold, WeavePart part)
{
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(count, [&] { select512(pattern, base, out, count, threshold, part); },
                      [&] { return selectAvx2(pattern, base, out, count, threshold, part); });
#endif
    if (part == WeavePart::Light)
        selectLight(pattern + done, base + done, out + done, count - done, threshold);
    else
        selectDark(pattern + done, base + done, out + done, count - done, threshold);
}

} // namespace

void selectPixels(const quint32 *pattern, const quint32 *base, quint32 *out, std::size_t count,
                  WeavePart part, qint16 threshold)
{
    if (part == WeavePart::Light) {
        // A threshold of 0 or less makes every pixel light, one above 255 none.
        if (threshold > 255) {
            std::copy(base, base + count, out);
            return;
        }
        selectPart(pattern, base, out, count, uint32_t(std::max(int(threshold), 0)), part);
        return;
    }
    // Below 0 no pixel is dark; 255 or more makes every pixel dark.
    if (threshold < 0) {
        std::copy(base, base + count, out);
        return;
    }
    selectPart(pattern, base, out, count, uint32_t(std::min(int(threshold), 255)), part);
}

} // namespace weftara::engine
