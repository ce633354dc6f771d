#include "engine/channelshift.h"

#include "engine/packedbytes.h"
#include "engine/vectorclones.h"

#include <algorithm>
#include <cstdint>

namespace weftara::engine {

namespace {

using std::uint32_t;

WEFTARA_VECTOR_CLONES
void shiftPixels(uint32_t *row, std::size_t pixels, uint32_t raise, uint32_t lower)
{
    for (std::size_t x = 0; x < pixels; ++x)
        row[x] = subtractSaturated(addSaturated(row[x] & kColorBytes, raise), lower) & kColorBytes;
}

WEFTARA_VECTOR_CLONES
void brightenPixels(uint32_t *__restrict row, const uint32_t *__restrict add, std::size_t pixels)
{
    for (std::size_t x = 0; x < pixels; ++x)
        row[x] = addSaturated(row[x] & kColorBytes, add[x]) & kColorBytes;
}

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
    shiftPixels(reinterpret_cast<uint32_t *>(row), pixels, partWord(shift, 1), partWord(shift, -1));
}

void brightenRow(quint8 *row, const quint32 *add, std::size_t pixels)
{
    brightenPixels(reinterpret_cast<uint32_t *>(row), add, pixels);
}

} // namespace weftara::engine
