#include "engine/filters.h"

#include "engine/channelshift.h"
#include "engine/packedbytes.h"
#include "engine/rounding.h"
#include "engine/surface.h"
#include "engine/vectorclones.h"

#include <algorithm>
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
WEFTARA_VECTOR_CLONES
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

void greyRow(quint8 *row, std::size_t pixels)
{
    // Short chunks: about one pixel in a thousand is a tie, and only the
    // chunks that hold one are searched for it.
    constexpr std::size_t chunk = 128;
    auto *px = reinterpret_cast<uint32_t *>(row);
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

// A colour byte of 128 or more has its top bit set and becomes 255 - byte,
// which is the byte with all bits flipped.
WEFTARA_VECTOR_CLONES
void solarizePixels(uint32_t *pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        const uint32_t px = pixels[i] & kColorBytes;
        pixels[i] = px ^ highBitBytes(px);
    }
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
WEFTARA_VECTOR_CLONES
void emphasizeBytes(std::uint8_t *bytes, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = std::uint8_t(emphasize(bytes[i]));
}

WEFTARA_VECTOR_CLONES
void clearByte3(uint32_t *pixels, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] &= kColorBytes;
}

void emphasizeRow(quint8 *row, std::size_t pixels)
{
    constexpr std::size_t chunk = 1024;
    for (std::size_t start = 0; start < pixels; start += chunk) {
        const std::size_t count = std::min(chunk, pixels - start);
        quint8 *part = row + 4 * start;
        emphasizeBytes(part, 4 * count);
        clearByte3(reinterpret_cast<uint32_t *>(part), count);
    }
}

uint32_t *words(quint8 *row) noexcept
{
    return reinterpret_cast<uint32_t *>(row);
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
    return forEachRow(image, [](quint8 *row, std::size_t pixels, int) { solarizePixels(words(row), pixels); });
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
