#pragma once

#include "engine/vectorpath.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <cstddef>

namespace weftara::engine {

// The byte mix of the weave at ratio t (0..100): for a pattern byte P and a
// base byte B the result is floor((1 - r) × P + B × r), r = t / 100, as IEEE
// double arithmetic gives it in exactly that order.
//
// The integer form floor(((100 - t) × P + t × B) / 100) gives the same byte
// except where the numerator is a multiple of 100 and the double sum lands
// just below that integer; there the double result is one lower. The
// constructor finds those (P, B) pairs for its ratio once, so the per-byte
// work stays in 16-bit integer lanes.
class WeaveMix
{
public:
    // path picks the kernels; one the processor lacks gives way to its widest.
    explicit WeaveMix(int ratio, VectorPath path = vectorPath());

    int ratio() const noexcept { return m_ratio; }

    // Number of (pattern, base) pairs whose integer result is lowered by one.
    std::size_t correctionCount() const noexcept { return m_corrections; }

    // out[i] = mix(pattern[i], base[i]) for i < count. out must not overlap
    // either input.
    void apply(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const;

private:
    // Bits 2^-59 to 2^-44 of a product (1 - r) × P or B × r, for every P or B,
    // as the low and high bytes of a 16-bit word (see weavemix.cpp).
    struct FineBits
    {
        alignas(64) std::array<std::uint8_t, 256> low{};
        alignas(64) std::array<std::uint8_t, 256> high{};
    };

    bool lowered(unsigned pattern, unsigned base) const noexcept
    {
        const unsigned index = (pattern << 8) | base;
        return (m_lower[index >> 5] >> (index & 31u)) & 1u;
    }

    // Fills the members below m_lower from it, for the AVX2 loop.
    void findFilters();
    void applyPortable(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const;

    int m_ratio;
    VectorPath m_path;
    std::size_t m_corrections = 0;
    // Bit (P << 8) | B is set where the integer form is one too high.
    std::array<std::uint32_t, 65536 / 32> m_lower{};
    FineBits m_patternBits;
    FineBits m_baseBits;
    // The pattern bytes, or the base bytes where that set is smaller, that
    // occur in some lowered pair, as a 256-bit set (bit v & 7 of byte v >> 3).
    std::array<std::uint8_t, 32> m_filter{};
    bool m_filterOnBase = false;
    // The values v for which the pair (v, v) is lowered, in the same form.
    std::array<std::uint8_t, 32> m_equalLowered{};
    bool m_settleEqual = false;
    // Whether pairs the filter lets through are rare in random bytes.
    bool m_candidatesRare = true;
};

} // namespace weftara::engine
