#include "engine/weavemix.h"

#include "engine/pixelvectors.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace weftara::engine {

namespace {

using std::uint16_t;
using std::uint32_t;
using std::uint64_t;
using std::uint8_t;

// floor(N / 100) with N = wp × P + wb × B, wp + wb = 100, so N <= 25500 fits
// 16-bit lanes.
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

// Where N = 100 k, the double sum of the products x = (1 - r) × P and
// y = B × r is k + e exactly. Each product is 0 or at least 0.01, so neither
// has bits below 2^-59, and |e| < 2^-44. The sum rounds below k when e is
// below minus half the gap beneath k, 2^-54 × (the least power of two >= k);
// a sum just halfway rounds to k, the even neighbour. Bits 2^-59 to 2^-44 of
// x + y are those of e, so the same bits of x and of y, added modulo 2^16,
// give e × 2^59 as a signed 16-bit number: a table lookup for each byte of
// either picture, and no double arithmetic.
uint16_t fineBits(double product)
{
    const double scaled = std::ldexp(product, 43);
    return uint16_t((scaled - std::floor(scaled)) * 65536.0);
}

// log2 of the least power of two >= k, for the threshold -32 << shift.
constexpr std::array<uint8_t, 256> kThresholdShift = [] {
    std::array<uint8_t, 256> shifts{};
    for (unsigned k = 2; k < 256; ++k) {
        uint8_t shift = 0;
        while ((1u << shift) < k)
            ++shift;
        shifts[k] = shift;
    }
    return shifts;
}();

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

// floor(n / 100) = (n × 41944) >> 22 for every n <= 25500.
constexpr short kHundredth = short(41944);

// Sixteen quotients floor(N / 100) from sixteen interleaved (P, B) byte pairs.
WEFTARA_AVX2 inline __m256i mixPairsAvx2(__m256i pairs, __m256i weights)
{
    const __m256i n = _mm256_maddubs_epi16(pairs, weights);
    return _mm256_srli_epi16(_mm256_mulhi_epu16(n, _mm256_set1_epi16(kHundredth)), 6);
}

// The integer mix alone, for ratios whose every pair agrees with it. Returns
// how many bytes were done (a multiple of 32).
WEFTARA_AVX2 std::size_t mixPlainAvx2(const uint8_t *pattern, const uint8_t *base, uint8_t *out,
                                      std::size_t count, uint16_t weightPair)
{
    const __m256i weights = _mm256_set1_epi16(short(weightPair));
    std::size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        fetchAhead(pattern + i);
        fetchAhead(base + i);
        const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(pattern + i));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(base + i));
        // unpack and packus both work within 128-bit halves, so the bytes come
        // back in their order.
        const __m256i q0 = mixPairsAvx2(_mm256_unpacklo_epi8(p, b), weights);
        const __m256i q1 = mixPairsAvx2(_mm256_unpackhi_epi8(p, b), weights);
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), _mm256_packus_epi16(q0, q1));
    }
    return i;
}

// 0xFF in each of 32 bytes whose value is in the 256-bit set (bit v & 7 of
// byte v >> 3), 0 elsewhere. The set's 32 bytes are looked up as two
// 16-byte halves, chosen by the value's top bit.
WEFTARA_AVX2 inline __m256i inByteSetAvx2(__m256i v, __m256i setLow, __m256i setHigh)
{
    const __m256i index = _mm256_and_si256(_mm256_srli_epi16(v, 3), _mm256_set1_epi8(0x0F));
    const __m256i byte =
        _mm256_blendv_epi8(_mm256_shuffle_epi8(setLow, index), _mm256_shuffle_epi8(setHigh, index), v);
    const __m256i bits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0,
                                          1, 2, 4, 8, 16, 32, 64, -128, 0, 0, 0, 0, 0, 0, 0, 0);
    const __m256i bit = _mm256_shuffle_epi8(bits, _mm256_and_si256(v, _mm256_set1_epi8(7)));
    return _mm256_cmpeq_epi8(_mm256_and_si256(byte, bit), bit);
}

// What the AVX2 mix needs to find the bytes to correct: 256-bit sets of
// byte values (see inByteSetAvx2) as two halves each.
struct CorrectionSetsAvx2
{
    // The pattern bytes, or the base bytes (onBase), that occur in some
    // lowered pair.
    __m256i filterLow, filterHigh;
    bool onBase;
    // The values v for which the pair (v, v) is lowered.
    __m256i equalLow, equalHigh;
};

WEFTARA_AVX2 inline void loadSetAvx2(const uint8_t *set, __m256i *low, __m256i *high)
{
    *low = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(set)));
    *high = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i *>(set + 16)));
}

// The integer mix of 32 bytes, stored; returns the mask of the bytes that may
// still need the correction: those with an exact numerator whose pattern or
// base byte is in the filter. With SettleEqual, pairs of equal bytes, common
// in real pictures (byte 3 is 255 in both), are corrected here instead.
template <bool SettleEqual>
WEFTARA_AVX2 inline uint32_t mix32Avx2(const uint8_t *pattern, const uint8_t *base, uint8_t *out, __m256i weights,
                                       __m256i hundred, const CorrectionSetsAvx2 &sets)
{
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(pattern));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(base));
    const __m256i n0 = _mm256_maddubs_epi16(_mm256_unpacklo_epi8(p, b), weights);
    const __m256i n1 = _mm256_maddubs_epi16(_mm256_unpackhi_epi8(p, b), weights);
    const __m256i q0 = _mm256_srli_epi16(_mm256_mulhi_epu16(n0, _mm256_set1_epi16(kHundredth)), 6);
    const __m256i q1 = _mm256_srli_epi16(_mm256_mulhi_epu16(n1, _mm256_set1_epi16(kHundredth)), 6);
    __m256i bytes = _mm256_packus_epi16(q0, q1);
    __m256i exact = _mm256_packs_epi16(_mm256_cmpeq_epi16(n0, _mm256_mullo_epi16(q0, hundred)),
                                       _mm256_cmpeq_epi16(n1, _mm256_mullo_epi16(q1, hundred)));
    if constexpr (SettleEqual) {
        const __m256i equal = _mm256_cmpeq_epi8(p, b);
        bytes = _mm256_add_epi8(bytes, _mm256_and_si256(equal, inByteSetAvx2(p, sets.equalLow, sets.equalHigh)));
        exact = _mm256_andnot_si256(equal, exact);
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(out), bytes);
    const __m256i named = inByteSetAvx2(sets.onBase ? b : p, sets.filterLow, sets.filterHigh);
    return uint32_t(_mm256_movemask_epi8(_mm256_and_si256(exact, named)));
}

// The integer mix, 64 bytes at a time, with the candidates mix32Avx2 finds
// looked up in the table afterwards: a few bytes in a hundred even where
// exact numerators are common. Their positions are listed branch-free and
// settled after each chunk, so that their varying number costs no
// mispredicted branches. SkipEmpty passes over the listing where 64 bytes
// hold no candidate, which pays only where most hold none. Returns how many
// bytes were done (a multiple of 64).
template <bool SettleEqual, bool SkipEmpty>
WEFTARA_AVX2 std::size_t mixCorrectedAvx2(const uint8_t *pattern, const uint8_t *base, uint8_t *out,
                                          std::size_t count, uint16_t weightPair, const uint32_t *lower,
                                          const uint8_t *filter, bool filterOnBase, const uint8_t *equalLowered)
{
    CorrectionSetsAvx2 sets;
    loadSetAvx2(filter, &sets.filterLow, &sets.filterHigh);
    loadSetAvx2(equalLowered, &sets.equalLow, &sets.equalHigh);
    sets.onBase = filterOnBase;
    const __m256i weights = _mm256_set1_epi16(short(weightPair));
    // Opaque to the compiler, which would otherwise replace the one multiply
    // by 100 with shifts and adds.
    __m256i hundred = _mm256_set1_epi16(100);
    __asm__("" : "+x"(hundred));
    constexpr std::size_t chunk = 4096;
    std::array<uint16_t, chunk + 8> listed;
    std::size_t i = 0;
    while (i + 64 <= count) {
        const std::size_t chunkStart = i;
        const std::size_t chunkEnd = chunkStart + std::min(chunk, (count - i) & ~std::size_t(63));
        std::size_t n = 0;
        for (; i < chunkEnd; i += 64) {
            fetchAhead(pattern + i);
            fetchAhead(base + i);
            uint64_t candidates = mix32Avx2<SettleEqual>(pattern + i, base + i, out + i, weights, hundred, sets);
            candidates |= uint64_t(mix32Avx2<SettleEqual>(pattern + i + 32, base + i + 32, out + i + 32, weights,
                                                           hundred, sets))
                << 32;
            if (SkipEmpty && candidates == 0)
                continue;
            // Eight positions whether there are that many or not; n counts only
            // the real ones.
            const auto offset = uint16_t(i - chunkStart);
            const auto found = std::size_t(_mm_popcnt_u64(candidates));
            for (std::size_t slot = 0; slot < std::max<std::size_t>(found, 8); ++slot) {
                listed[n + slot] = uint16_t(offset + _tzcnt_u64(candidates));
                candidates = _blsr_u64(candidates);
            }
            n += found;
        }
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t k = chunkStart + listed[j];
            const unsigned index = (unsigned(pattern[k]) << 8) | base[k];
            out[k] = uint8_t(out[k] - ((lower[index >> 5] >> (index & 31u)) & 1u));
        }
    }
    return i;
}

// The numerators N = wp × P + wb × B of 64 byte pairs and their quotients
// floor(N / 100), in 16-bit lanes: bytes 0-7 of each 128-bit lane in [0],
// bytes 8-15 in [1], the order unpack and packus keep.
struct Mix512
{
    __m512i numerator[2];
    __m512i quotient[2];
};

WEFTARA_AVX512 inline Mix512 mix512(__m512i p, __m512i b, __m512i weights)
{
    Mix512 m;
    m.numerator[0] = _mm512_maddubs_epi16(_mm512_unpacklo_epi8(p, b), weights);
    m.numerator[1] = _mm512_maddubs_epi16(_mm512_unpackhi_epi8(p, b), weights);
    for (int h = 0; h < 2; ++h)
        m.quotient[h] = _mm512_srli_epi16(_mm512_mulhi_epu16(m.numerator[h], _mm512_set1_epi16(kHundredth)), 6);
    return m;
}

WEFTARA_AVX512 inline __mmask64 tailMask512(std::size_t bytes)
{
    return bytes >= 64 ? ~__mmask64(0) : (__mmask64(1) << bytes) - 1;
}

// Runs step(p, b) -> out over 64 bytes at a time; the last, shorter run reads
// zeros past the end and writes only its own bytes.
template <class Step>
WEFTARA_AVX512 inline void eachPair512(const uint8_t *pattern, const uint8_t *base, uint8_t *out,
                                       std::size_t count, const Step &step)
{
    std::size_t i = 0;
    for (; i + 64 <= count; i += 64) {
        fetchAhead(pattern + i);
        fetchAhead(base + i);
        _mm512_storeu_si512(out + i, step(_mm512_loadu_si512(pattern + i), _mm512_loadu_si512(base + i)));
    }
    if (i < count) {
        const __mmask64 mask = tailMask512(count - i);
        const __m512i p = _mm512_maskz_loadu_epi8(mask, pattern + i);
        const __m512i b = _mm512_maskz_loadu_epi8(mask, base + i);
        _mm512_mask_storeu_epi8(out + i, mask, step(p, b));
    }
}

WEFTARA_AVX512 void mixPlain512(const uint8_t *pattern, const uint8_t *base, uint8_t *out,
                                std::size_t count, uint16_t weightPair)
{
    const __m512i weights = _mm512_set1_epi16(short(weightPair));
    eachPair512(pattern, base, out, count, [weights](__m512i p, __m512i b) WEFTARA_AVX512 {
        const Mix512 m = mix512(p, b, weights);
        return _mm512_packus_epi16(m.quotient[0], m.quotient[1]);
    });
}

struct Corrections512
{
    const uint8_t *patternLow;
    const uint8_t *patternHigh;
    const uint8_t *baseLow;
    const uint8_t *baseHigh;
};

WEFTARA_AVX512 void mixCorrected512(const uint8_t *pattern, const uint8_t *base, uint8_t *out,
                                    std::size_t count, uint16_t weightPair, const Corrections512 &tables)
{
    const __m512i weights = _mm512_set1_epi16(short(weightPair));
    const ByteTable512 patternLow = loadTable512(tables.patternLow);
    const ByteTable512 patternHigh = loadTable512(tables.patternHigh);
    const ByteTable512 baseLow = loadTable512(tables.baseLow);
    const ByteTable512 baseHigh = loadTable512(tables.baseHigh);
    const ByteTable512 shifts = loadTable512(kThresholdShift.data());
    // Opaque to the compiler, which would otherwise replace the one multiply
    // by 100 with five shifts and adds.
    __m512i hundred = _mm512_set1_epi16(100);
    __asm__("" : "+v"(hundred));
    eachPair512(pattern, base, out, count, [&](__m512i p, __m512i b) WEFTARA_AVX512 {
        const Mix512 m = mix512(p, b, weights);
        const __m512i k = _mm512_packus_epi16(m.quotient[0], m.quotient[1]);
        const __m512i pLow = lookup512(patternLow, p);
        const __m512i pHigh = lookup512(patternHigh, p);
        const __m512i bLow = lookup512(baseLow, b);
        const __m512i bHigh = lookup512(baseHigh, b);
        const __m512i shift = lookup512(shifts, k);
        const __m512i zero = _mm512_setzero_si512();
        const __m512i error[2] = {
            _mm512_add_epi16(_mm512_unpacklo_epi8(pLow, pHigh), _mm512_unpacklo_epi8(bLow, bHigh)),
            _mm512_add_epi16(_mm512_unpackhi_epi8(pLow, pHigh), _mm512_unpackhi_epi8(bLow, bHigh)),
        };
        const __m512i shiftWords[2] = {_mm512_unpacklo_epi8(shift, zero), _mm512_unpackhi_epi8(shift, zero)};
        __m512i q[2];
        for (int h = 0; h < 2; ++h) {
            const __mmask32 exact = _mm512_cmpeq_epi16_mask(
                m.numerator[h], _mm512_mullo_epi16(m.quotient[h], hundred));
            const __m512i threshold = _mm512_sllv_epi16(_mm512_set1_epi16(-32), shiftWords[h]);
            const __mmask32 lowered = _mm512_mask_cmplt_epi16_mask(exact, error[h], threshold);
            q[h] = _mm512_mask_sub_epi16(m.quotient[h], lowered, m.quotient[h], _mm512_set1_epi16(1));
        }
        return _mm512_packus_epi16(q[0], q[1]);
    });
}

WEFTARA_VECTOR_CODE_END
#endif

} // namespace

WeaveMix::WeaveMix(int ratio, VectorPath path)
    : m_ratio(std::clamp(ratio, 0, 100))
    , m_path(std::min(path, widestVectorPath()))
{
    const double r = m_ratio / 100.0;
    for (unsigned p = 0; p < 256; ++p) {
        for (unsigned b = 0; b < 256; ++b) {
            const int numerator = (100 - m_ratio) * int(p) + m_ratio * int(b);
            if (numerator % 100 != 0)
                continue;
            const double v = ((1.0 - r) * double(p)) + (double(b) * r);
            if (std::floor(v) < double(numerator / 100)) {
                const unsigned index = (p << 8) | b;
                m_lower[index >> 5] |= 1u << (index & 31u);
                ++m_corrections;
            }
        }
    }
    for (unsigned v = 0; v < 256; ++v) {
        const uint16_t patternBits = fineBits((1.0 - r) * double(v));
        const uint16_t baseBits = fineBits(double(v) * r);
        m_patternBits.low[v] = uint8_t(patternBits);
        m_patternBits.high[v] = uint8_t(patternBits >> 8);
        m_baseBits.low[v] = uint8_t(baseBits);
        m_baseBits.high[v] = uint8_t(baseBits >> 8);
    }
    if (m_path == VectorPath::Avx2)
        findFilters();
}

void WeaveMix::findFilters()
{
    // The side with fewer bytes in lowered pairs makes the sharper filter.
    std::array<uint8_t, 32> patternBytes{};
    std::array<uint8_t, 32> baseBytes{};
    for (unsigned index = 0; index < 65536; ++index) {
        if (lowered(index >> 8, index & 0xFFu)) {
            patternBytes[index >> 11] |= uint8_t(1u << ((index >> 8) & 7u));
            baseBytes[(index & 0xFFu) >> 3] |= uint8_t(1u << (index & 7u));
        }
    }
    const auto members = [](const std::array<uint8_t, 32> &set) {
        int n = 0;
        for (uint8_t byte : set)
            n += __builtin_popcount(byte);
        return n;
    };
    m_filterOnBase = members(baseBytes) < members(patternBytes);
    m_filter = m_filterOnBase ? baseBytes : patternBytes;
    // Candidates among random bytes: exact pairs whose filtered byte is in
    // the filter. Below one in 128, most runs of 64 bytes hold none.
    std::size_t candidates = 0;
    for (unsigned p = 0; p < 256; ++p) {
        for (unsigned b = 0; b < 256; ++b) {
            const unsigned v = m_filterOnBase ? b : p;
            const bool named = (m_filter[v >> 3] >> (v & 7u)) & 1u;
            candidates += named && ((100 - m_ratio) * p + m_ratio * b) % 100 == 0 ? 1 : 0;
        }
    }
    m_candidatesRare = candidates * 128 < 65536;
    for (unsigned v = 0; v < 256; ++v) {
        if (lowered(v, v))
            m_equalLowered[v >> 3] |= uint8_t(1u << (v & 7u));
    }
    m_settleEqual = members(m_equalLowered) > 0;
}

void WeaveMix::apply(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const
{
#ifdef WEFTARA_X86_VECTORS
    const auto wp = uint16_t(100 - m_ratio);
    const auto wb = uint16_t(m_ratio);
    // maddubs pairs each pattern byte with wp and each base byte with wb.
    const auto weightPair = uint16_t(wp | (wb << 8));
    std::size_t done = 0;
    switch (m_path) {
    case VectorPath::Avx512:
        if (m_corrections == 0) {
            mixPlain512(pattern, base, out, count, weightPair);
        } else {
            const Corrections512 tables{m_patternBits.low.data(), m_patternBits.high.data(),
                                        m_baseBits.low.data(), m_baseBits.high.data()};
            mixCorrected512(pattern, base, out, count, weightPair, tables);
        }
        return;
    case VectorPath::Avx2:
        if (m_corrections == 0) {
            done = mixPlainAvx2(pattern, base, out, count, weightPair);
        } else {
            const auto corrected = m_settleEqual
                ? (m_candidatesRare ? mixCorrectedAvx2<true, true> : mixCorrectedAvx2<true, false>)
                : (m_candidatesRare ? mixCorrectedAvx2<false, true> : mixCorrectedAvx2<false, false>);
            done = corrected(pattern, base, out, count, weightPair, m_lower.data(), m_filter.data(), m_filterOnBase,
                             m_equalLowered.data());
        }
        break;
    case VectorPath::Portable:
        break;
    }
    applyPortable(pattern + done, base + done, out + done, count - done);
#else
    applyPortable(pattern, base, out, count);
#endif
}

void WeaveMix::applyPortable(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const
{
    const auto wp = uint16_t(100 - m_ratio);
    const auto wb = uint16_t(m_ratio);
    if (m_corrections == 0) {
        mixBytes(pattern, base, out, count, wp, wb);
        return;
    }
    // Blocks small enough that the flags and the written bytes are still in
    // the first-level cache when the flagged bytes are looked up.
    constexpr std::size_t block = 4096;
    alignas(64) std::array<uint8_t, block> exact;
    for (std::size_t start = 0; start < count; start += block) {
        const std::size_t length = std::min(block, count - start);
        const uint8_t *p = pattern + start;
        const uint8_t *b = base + start;
        uint8_t *o = out + start;
        mixBytesFlagExact(p, b, o, exact.data(), length, wp, wb);
        for (std::size_t i = 0; i < length; i += 8) {
            uint64_t word = 0;
            const std::size_t n = std::min<std::size_t>(8, length - i);
            std::memcpy(&word, exact.data() + i, n);
            if (word == 0)
                continue;
            for (std::size_t k = i; k < i + n; ++k)
                o[k] = uint8_t(o[k] - (exact[k] & unsigned(lowered(p[k], b[k]))));
        }
    }
}

} // namespace weftara::engine
