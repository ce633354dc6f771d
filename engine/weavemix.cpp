#include "engine/weavemix.h"

#include "engine/vectorclones.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define WEFTARA_WEAVE_AVX2 1
#endif

namespace weftara::engine {

namespace {

using std::uint16_t;
using std::uint32_t;
using std::uint8_t;

// floor(N / 100) with N = wp × P + wb × B, wp + wb = 100, so N <= 25500 fits
// 16-bit lanes.
WEFTARA_VECTOR_CLONES
void mixBytes(const uint8_t *__restrict pattern, const uint8_t *__restrict base,
              uint8_t *__restrict out, std::size_t count, uint16_t wp, uint16_t wb)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = uint16_t(wp * pattern[i] + wb * base[i]);
        out[i] = uint8_t(n / 100u);
    }
}

// As mixBytes, and flags the bytes whose numerator is a multiple of 100, the
// only ones the double evaluation can put one lower.
WEFTARA_VECTOR_CLONES
void mixBytesFlagExact(const uint8_t *__restrict pattern, const uint8_t *__restrict base,
                       uint8_t *__restrict out, uint8_t *__restrict exact, std::size_t count,
                       uint16_t wp, uint16_t wb)
{
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = uint16_t(wp * pattern[i] + wb * base[i]);
        const auto q = uint16_t(n / 100u);
        out[i] = uint8_t(q);
        exact[i] = uint8_t(n == uint16_t(q * 100u));
    }
}

#ifdef WEFTARA_WEAVE_AVX2

// floor(n / 100) of sixteen numerators n = wp × P + wb × B in 16-bit lanes,
// and in *exact the lanes where n is a multiple of 100.
__attribute__((target("avx2"))) inline __m256i mixLanesAvx2(__m256i p, __m256i b, __m256i wp, __m256i wb,
                                                           __m256i *exact)
{
    const __m256i n = _mm256_add_epi16(_mm256_mullo_epi16(p, wp), _mm256_mullo_epi16(b, wb));
    // floor(n / 100) = (n × 41944) >> 22 for every n <= 25500.
    const __m256i q = _mm256_srli_epi16(_mm256_mulhi_epu16(n, _mm256_set1_epi16(short(41944))), 6);
    *exact = _mm256_cmpeq_epi16(n, _mm256_mullo_epi16(q, _mm256_set1_epi16(100)));
    return q;
}

// The correction bits of sixteen (P, B) lanes, gathered from the table.
__attribute__((target("avx2"))) inline __m256i loweredLanesAvx2(__m256i p, __m256i b, const uint32_t *lower)
{
    const __m256i index = _mm256_or_si256(_mm256_slli_epi16(p, 8), b);
    const __m256i index0 = _mm256_cvtepu16_epi32(_mm256_castsi256_si128(index));
    const __m256i index1 = _mm256_cvtepu16_epi32(_mm256_extracti128_si256(index, 1));
    const auto *table = reinterpret_cast<const int *>(lower);
    const __m256i bitMask = _mm256_set1_epi32(31);
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i word0 = _mm256_i32gather_epi32(table, _mm256_srli_epi32(index0, 5), 4);
    const __m256i word1 = _mm256_i32gather_epi32(table, _mm256_srli_epi32(index1, 5), 4);
    const __m256i bit0 = _mm256_and_si256(_mm256_srlv_epi32(word0, _mm256_and_si256(index0, bitMask)), one);
    const __m256i bit1 = _mm256_and_si256(_mm256_srlv_epi32(word1, _mm256_and_si256(index1, bitMask)), one);
    // packus works within 128-bit halves; the permute restores lane order.
    return _mm256_permute4x64_epi64(_mm256_packus_epi32(bit0, bit1), 0xD8);
}

__attribute__((target("avx2"))) inline __m256i load16(const uint8_t *at)
{
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(at)));
}

// The integer mix, 32 bytes at a time, corrected where a numerator is a
// multiple of 100: when at least gatherFrom of the 32 bytes are such, all
// are looked up at once with gathers, otherwise one by one. Returns how many
// bytes were done (a multiple of 32).
__attribute__((target("avx2"))) std::size_t mixCorrectedAvx2(const uint8_t *pattern, const uint8_t *base,
                                                            uint8_t *out, std::size_t count, uint16_t wp,
                                                            uint16_t wb, const uint32_t *lower,
                                                            int gatherFrom)
{
    const __m256i vwp = _mm256_set1_epi16(short(wp));
    const __m256i vwb = _mm256_set1_epi16(short(wb));
    std::size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i p0 = load16(pattern + i);
        const __m256i p1 = load16(pattern + i + 16);
        const __m256i b0 = load16(base + i);
        const __m256i b1 = load16(base + i + 16);
        __m256i exact0;
        __m256i exact1;
        __m256i q0 = mixLanesAvx2(p0, b0, vwp, vwb, &exact0);
        __m256i q1 = mixLanesAvx2(p1, b1, vwp, vwb, &exact1);
        const __m256i flags = _mm256_permute4x64_epi64(_mm256_packs_epi16(exact0, exact1), 0xD8);
        auto mask = uint32_t(_mm256_movemask_epi8(flags));
        const bool many = __builtin_popcount(mask) >= gatherFrom;
        if (many) {
            // Only pairs with an exact numerator have a bit in the table.
            q0 = _mm256_sub_epi16(q0, loweredLanesAvx2(p0, b0, lower));
            q1 = _mm256_sub_epi16(q1, loweredLanesAvx2(p1, b1, lower));
        }
        // packus works within 128-bit halves; the permute restores byte order.
        const __m256i bytes = _mm256_permute4x64_epi64(_mm256_packus_epi16(q0, q1), 0xD8);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), bytes);
        if (many)
            continue;
        while (mask != 0) {
            const std::size_t k = i + std::size_t(__builtin_ctz(mask));
            mask &= mask - 1;
            const unsigned index = (unsigned(pattern[k]) << 8) | base[k];
            out[k] = uint8_t(out[k] - ((lower[index >> 5] >> (index & 31u)) & 1u));
        }
    }
    return i;
}

#endif

} // namespace

WeaveMix::WeaveMix(int ratio, bool wideVectors)
    : m_ratio(std::clamp(ratio, 0, 100))
{
    const double r = m_ratio / 100.0;
    std::size_t exactPairs = 0;
    for (unsigned p = 0; p < 256; ++p) {
        for (unsigned b = 0; b < 256; ++b) {
            const int numerator = (100 - m_ratio) * int(p) + m_ratio * int(b);
            if (numerator % 100 != 0)
                continue;
            ++exactPairs;
            const double v = ((1.0 - r) * double(p)) + (double(b) * r);
            if (std::floor(v) < double(numerator / 100)) {
                const unsigned index = (p << 8) | b;
                m_lower[index >> 5] |= 1u << (index & 31u);
                ++m_corrections;
            }
        }
    }
#ifdef WEFTARA_WEAVE_AVX2
    m_useAvx2 = wideVectors && __builtin_cpu_supports("avx2");
    // Where exact numerators are common (one pair in ten or more, e.g. ratio
    // 30), nearly every 32 bytes hold some and gathering always is cheaper
    // than the unpredictable byte-by-byte branch.
    m_gatherFrom = exactPairs * 10 >= 65536 ? 1 : 3;
#else
    Q_UNUSED(wideVectors);
#endif
}

void WeaveMix::apply(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const
{
    const auto wp = uint16_t(100 - m_ratio);
    const auto wb = uint16_t(m_ratio);
    if (m_corrections == 0) {
        mixBytes(pattern, base, out, count, wp, wb);
        return;
    }

    std::size_t done = 0;
#ifdef WEFTARA_WEAVE_AVX2
    if (m_useAvx2)
        done = mixCorrectedAvx2(pattern, base, out, count, wp, wb, m_lower.data(), m_gatherFrom);
#endif

    // Without AVX2, and for the last bytes: blocks small enough that the flags
    // and the written bytes are still in the first-level cache when the
    // flagged bytes are looked up.
    constexpr std::size_t block = 4096;
    alignas(64) std::array<uint8_t, block> exact;
    for (std::size_t start = done; start < count; start += block) {
        const std::size_t length = std::min(block, count - start);
        const uint8_t *p = pattern + start;
        const uint8_t *b = base + start;
        uint8_t *o = out + start;
        mixBytesFlagExact(p, b, o, exact.data(), length, wp, wb);
        for (std::size_t i = 0; i < length; i += 8) {
            std::uint64_t word = 0;
            const std::size_t n = std::min<std::size_t>(8, length - i);
            std::memcpy(&word, exact.data() + i, n);
            if (word == 0)
                continue;
            for (std::size_t k = i; k < i + n; ++k) {
                if (exact[k] && lowered(p[k], b[k]))
                    --o[k];
            }
        }
    }
}

} // namespace weftara::engine
