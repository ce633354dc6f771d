#include "engine/filters.h"

#include "engine/channelshift.h"
#include "engine/packedbytes.h"
#include "engine/rounding.h"
#include "engine/pixelvectors.h"
#include "engine/surface.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace weftara::engine {

namespace {

using std::uint32_t;

// Grey levels in integers: with s = 587 G + 299 R + 114 B the double sum is
// s / 1000 up to a rounding error far below 0.001, so it rounds to
// (s + 500) / 1000 unless s / 1000 is exactly halfway (s % 1000 == 500);
// there the double evaluation decides and is done as written.
constexpr uint32_t greySum(uint32_t px) noexcept
{
    return 587u * ((px >> 8) & 0xFFu) + 299u * ((px >> 16) & 0xFFu) + 114u * (px & 0xFFu);
}

// floor(n / 1000) for n <= 255500, as floor(floor(n / 8) / 125) with a
// multiply that stays inside 32 bits.
constexpr uint32_t thousandths(uint32_t n) noexcept
{
    return ((n >> 3) * 67109u) >> 23;
}

// Byte 3 of a grey result is 0; a pixel whose grey level is a tie keeps its
// colour and gets this mark instead, to be settled afterwards.
constexpr uint32_t kTieMark = 0x01000000u;

// Writes the grey level of every pixel that is not a tie and marks the ties;
// returns how many ties there were.
uint32_t greyOrMarkTies(uint32_t *pixels, std::size_t count)
{
    uint32_t ties = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = pixels[i];
        const uint32_t n = greySum(px) + 500u;
        const uint32_t grey = thousandths(n);
        const bool tie = n == grey * 1000u;
        pixels[i] = tie ? ((px & 0xFFFFFFu) | kTieMark) : grey * 0x010101u;
        ties += tie ? 1u : 0u;
    }
    return ties;
}

// The grey level of a tie, as the double evaluation rounds it.
uint32_t greyOfTie(uint32_t px) noexcept
{
    const double green = double((px >> 8) & 0xFFu);
    const double red = double((px >> 16) & 0xFFu);
    const double blue = double(px & 0xFFu);
    const double y = ((0.587 * green) + (0.299 * red)) + (0.114 * blue);
    return uint32_t(roundHalfEven(y)) * 0x010101u;
}

void greyPixels(uint32_t *px, std::size_t pixels)
{
    // Short chunks: about one pixel in a thousand is a tie, and only the
    // chunks that hold one are searched for it.
    constexpr std::size_t chunk = 128;
    for (std::size_t start = 0; start < pixels; start += chunk) {
        const std::size_t count = std::min(chunk, pixels - start);
        uint32_t *part = px + start;
        if (greyOrMarkTies(part, count) == 0)
            continue;
        for (std::size_t i = 0; i < count; ++i) {
            if (part[i] & kTieMark)
                part[i] = greyOfTie(part[i]);
        }
    }
}

// Rewrites the pixels whose bit is set in ties from their colours before.
template <std::size_t Lanes>
void settleTies(uint32_t *pixels, const std::array<uint32_t, Lanes> &before, unsigned ties)
{
    for (; ties != 0; ties &= ties - 1) {
        const auto lane = std::size_t(__builtin_ctz(ties));
        pixels[lane] = greyOfTie(before[lane]);
    }
}

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

// The vector form of greySum, thousandths and the tie test, pixel by pixel in
// 32-bit lanes: madd sums blue × 114 + red × 299 and green × 587 (the
// unused byte × 0), and floor(n / 1000) = ((n >> 3) × 33555) >> 22 for
// n <= 255500, which keeps n >> 3 inside the 16 bits mulhi takes.
WEFTARA_AVX2 inline __m256i greyLanesAvx2(__m256i px, __m256i *ties)
{
    const __m256i blueRed = _mm256_and_si256(px, _mm256_set1_epi32(0x00FF00FF));
    const __m256i green = _mm256_srli_epi16(px, 8);
    const __m256i sum = _mm256_add_epi32(_mm256_madd_epi16(blueRed, _mm256_set1_epi32((299 << 16) | 114)),
                                         _mm256_madd_epi16(green, _mm256_set1_epi32(587)));
    const __m256i n = _mm256_add_epi32(sum, _mm256_set1_epi32(500));
    const __m256i grey =
        _mm256_srli_epi32(_mm256_mulhi_epu16(_mm256_srli_epi32(n, 3), _mm256_set1_epi32(33555)), 6);
    *ties = _mm256_cmpeq_epi32(n, _mm256_madd_epi16(grey, _mm256_set1_epi32(1000)));
    // The grey level into bytes 0 to 2, 0 into byte 3.
    const __m256i spread = _mm256_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1,
                                            0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1);
    return _mm256_shuffle_epi8(grey, spread);
}

WEFTARA_AVX2 std::size_t greyPixelsAvx2(uint32_t *pixels, std::size_t count)
{
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        auto *at = reinterpret_cast<__m256i *>(pixels + i);
        fetchAhead(at);
        const __m256i px = _mm256_loadu_si256(at);
        __m256i ties;
        _mm256_storeu_si256(at, greyLanesAvx2(px, &ties));
        const auto tieLanes = unsigned(_mm256_movemask_ps(_mm256_castsi256_ps(ties)));
        if (tieLanes != 0) {
            std::array<uint32_t, 8> before;
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(before.data()), px);
            settleTies(pixels + i, before, tieLanes);
        }
    }
    return i;
}

WEFTARA_AVX512 void greyPixels512(uint32_t *pixels, std::size_t count)
{
    const __m512i spread = _mm512_broadcast_i32x4(_mm_setr_epi8(0, 0, 0, -1, 4, 4, 4, -1, 8, 8, 8, -1, 12, 12, 12, -1));
    for (std::size_t i = 0; i < count; i += 16) {
        fetchAhead(pixels + i);
        const __mmask16 lanes = tailMask16(count - i);
        const __m512i px = _mm512_maskz_loadu_epi32(lanes, pixels + i);
        const __m512i blueRed = _mm512_and_si512(px, _mm512_set1_epi32(0x00FF00FF));
        const __m512i green = _mm512_srli_epi16(px, 8);
        const __m512i sum = _mm512_add_epi32(_mm512_madd_epi16(blueRed, _mm512_set1_epi32((299 << 16) | 114)),
                                             _mm512_madd_epi16(green, _mm512_set1_epi32(587)));
        const __m512i n = _mm512_add_epi32(sum, _mm512_set1_epi32(500));
        const __m512i grey =
            _mm512_srli_epi32(_mm512_mulhi_epu16(_mm512_srli_epi32(n, 3), _mm512_set1_epi32(33555)), 6);
        const __mmask16 ties =
            _mm512_mask_cmpeq_epi32_mask(lanes, n, _mm512_madd_epi16(grey, _mm512_set1_epi32(1000)));
        _mm512_mask_storeu_epi32(pixels + i, lanes, _mm512_shuffle_epi8(grey, spread));
        if (ties != 0) {
            std::array<uint32_t, 16> before;
            _mm512_storeu_si512(before.data(), px);
            settleTies(pixels + i, before, ties);
        }
    }
}

WEFTARA_VECTOR_CODE_END
#endif

void greyRow(quint8 *row, std::size_t pixels)
{
    auto *px = reinterpret_cast<uint32_t *>(row);
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(pixels, [&] { greyPixels512(px, pixels); },
                      [&] { return greyPixelsAvx2(px, pixels); });
#endif
    greyPixels(px + done, pixels - done);
}

// A colour byte of 128 or more has its top bit set and becomes 255 - byte,
// which is the byte with all bits flipped.
void solarizePixels(uint32_t *pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = pixels[i] & kColorBytes;
        pixels[i] = px ^ highBitBytes(px);
    }
}

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

WEFTARA_AVX2 std::size_t solarizePixelsAvx2(uint32_t *pixels, std::size_t count)
{
    return eachPixelAvx2(pixels, count, [](__m256i px) WEFTARA_AVX2 {
        const __m256i colours = colorBytesAvx2(px);
        return _mm256_xor_si256(colours, _mm256_cmpgt_epi8(_mm256_setzero_si256(), colours));
    });
}

WEFTARA_AVX512 void solarizePixels512(uint32_t *pixels, std::size_t count)
{
    eachPixel512(pixels, count, [](__m512i px) WEFTARA_AVX512 {
        const __m512i colours = colorBytes512(px);
        return _mm512_xor_si512(colours, _mm512_movm_epi8(_mm512_movepi8_mask(colours)));
    });
}

WEFTARA_VECTOR_CODE_END
#endif

void solarizeRow(quint8 *row, std::size_t pixels)
{
    auto *px = reinterpret_cast<uint32_t *>(row);
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(pixels, [&] { solarizePixels512(px, pixels); },
                      [&] { return solarizePixelsAvx2(px, pixels); });
#endif
    solarizePixels(px + done, pixels - done);
}

// round-half-even(v × 1.3) for v > 100, at most 255. Every product that ends
// in .5 (v ending in 5) is exactly representable, so the double rounding is
// the integer rounding of 13 v / 10: halves rounded up, then one taken off
// where that made an odd number out of a half. It all fits 16-bit lanes.
constexpr std::uint16_t emphasize(std::uint16_t v) noexcept
{
    const auto tenfold = std::uint16_t(13u * v + 5u);
    auto rounded = std::uint16_t(tenfold / 10u);
    const auto half = std::uint16_t(tenfold == std::uint16_t(10u * rounded) ? 1u : 0u);
    rounded = std::uint16_t(rounded - (half & rounded & 1u));
    return std::uint16_t(v > 100u ? (rounded > 255u ? 255u : rounded) : v);
}

// Every byte, byte 3 included; emphasizeRow clears byte 3 afterwards.
void emphasizeBytes(std::uint8_t *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = std::uint8_t(emphasize(bytes[i]));
}

void clearByte3(uint32_t *pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] &= kColorBytes;
}

void emphasizePixels(uint32_t *px, std::size_t pixels)
{
    constexpr std::size_t chunk = 1024;
    for (std::size_t start = 0; start < pixels; start += chunk) {
        const std::size_t count = std::min(chunk, pixels - start);
        emphasizeBytes(reinterpret_cast<std::uint8_t *>(px + start), 4 * count);
        clearByte3(px + start, count);
    }
}

#ifdef WEFTARA_X86_VECTORS
WEFTARA_VECTOR_CODE_BEGIN

// emphasize() on sixteen bytes widened to 16-bit lanes.
WEFTARA_AVX2 inline __m256i emphasizeWordsAvx2(__m256i v)
{
    const __m256i tenfold = _mm256_add_epi16(_mm256_mullo_epi16(v, _mm256_set1_epi16(13)), _mm256_set1_epi16(5));
    // floor(t / 10) = (t × 6554) >> 16 for t < 16384.
    __m256i rounded = _mm256_mulhi_epu16(tenfold, _mm256_set1_epi16(6554));
    const __m256i half = _mm256_cmpeq_epi16(tenfold, _mm256_mullo_epi16(rounded, _mm256_set1_epi16(10)));
    rounded = _mm256_sub_epi16(rounded, _mm256_and_si256(half, _mm256_and_si256(rounded, _mm256_set1_epi16(1))));
    // packus clamps the results above 255.
    return _mm256_blendv_epi8(v, rounded, _mm256_cmpgt_epi16(v, _mm256_set1_epi16(100)));
}

WEFTARA_AVX2 std::size_t emphasizePixelsAvx2(uint32_t *pixels, std::size_t count)
{
    return eachPixelAvx2(pixels, count, [](__m256i px) WEFTARA_AVX2 {
        const __m256i zero = _mm256_setzero_si256();
        const __m256i low = emphasizeWordsAvx2(_mm256_unpacklo_epi8(px, zero));
        const __m256i high = emphasizeWordsAvx2(_mm256_unpackhi_epi8(px, zero));
        return colorBytesAvx2(_mm256_packus_epi16(low, high));
    });
}

constexpr std::array<std::uint8_t, 256> kEmphasis = [] {
    std::array<std::uint8_t, 256> table{};
    for (unsigned v = 0; v < 256; ++v)
        table[v] = std::uint8_t(emphasize(std::uint16_t(v)));
    return table;
}();

WEFTARA_AVX512 void emphasizePixels512(uint32_t *pixels, std::size_t count)
{
    const ByteTable512 table = loadTable512(kEmphasis.data());
    eachPixel512(pixels, count, [&table](__m512i px) WEFTARA_AVX512 {
        return colorBytes512(lookup512(table, px));
    });
}

WEFTARA_VECTOR_CODE_END
#endif

void emphasizeRow(quint8 *row, std::size_t pixels)
{
    auto *px = reinterpret_cast<uint32_t *>(row);
    std::size_t done = 0;
#ifdef WEFTARA_X86_VECTORS
    done = vectorPart(pixels, [&] { emphasizePixels512(px, pixels); },
                      [&] { return emphasizePixelsAvx2(px, pixels); });
#endif
    emphasizePixels(px + done, pixels - done);
}

ChannelShift shiftOf(ChannelStep channel, qint16 step) noexcept
{
    const int up = step;
    const int down = -int(step);
    switch (channel) {
    case ChannelStep::BlueUp: return {up, 0, 0};
    case ChannelStep::GreenUp: return {0, up, 0};
    case ChannelStep::RedUp: return {0, 0, up};
    case ChannelStep::BlueDown: return {down, 0, 0};
    case ChannelStep::GreenDown: return {0, down, 0};
    case ChannelStep::RedDown: return {0, 0, down};
    default: return {};
    }
}

} // namespace

bool shiftBrightness(QImage &image, qint16 amount)
{
    const ChannelShift shift{amount, amount, amount};
    return forEachRow(image, [shift](quint8 *row, std::size_t pixels, int) { shiftRow(row, pixels, shift); });
}

bool toGray(QImage &image)
{
    return forEachRow(image, [](quint8 *row, std::size_t pixels, int) { greyRow(row, pixels); });
}

bool solarize(QImage &image)
{
    return forEachRow(image, [](quint8 *row, std::size_t pixels, int) { solarizeRow(row, pixels); });
}

bool emphasize(QImage &image)
{
    return forEachRow(image, [](quint8 *row, std::size_t pixels, int) { emphasizeRow(row, pixels); });
}

bool stepChannel(QImage &image, ChannelStep channel, qint16 step)
{
    const ChannelShift shift = shiftOf(channel, step);
    return forEachRow(image, [shift](quint8 *row, std::size_t pixels, int) { shiftRow(row, pixels, shift); });
}

} // namespace weftara::engine
