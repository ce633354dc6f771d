#pragma once

#include <cstdint>

namespace weftara::engine {

// Byte-wise arithmetic on the four bytes of a 32-bit word, in plain integer
// operations so that the pixel loops vectorize without shuffles.

inline constexpr std::uint32_t kHighBits = 0x80808080u;
inline constexpr std::uint32_t kLowBits = 0x7F7F7F7Fu;
inline constexpr std::uint32_t kColorBytes = 0x00FFFFFFu;

// 0xFF in every byte whose top bit is set, 0 elsewhere.
constexpr std::uint32_t highBitBytes(std::uint32_t a) noexcept
{
    const std::uint32_t high = a & kHighBits;
    return high | (high - (high >> 7));
}

// a + b in each byte, at most 255.
constexpr std::uint32_t addSaturated(std::uint32_t a, std::uint32_t b) noexcept
{
    const std::uint32_t sum = ((a & kLowBits) + (b & kLowBits)) ^ ((a ^ b) & kHighBits);
    const std::uint32_t carry = (a & b) | ((a | b) & ~sum);
    return sum | highBitBytes(carry);
}

// a - b in each byte, at least 0.
constexpr std::uint32_t subtractSaturated(std::uint32_t a, std::uint32_t b) noexcept
{
    return ~addSaturated(~a, b);
}

} // namespace weftara::engine
