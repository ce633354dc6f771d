#pragma once

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
// work stays in 16-bit integer lanes that the compiler vectorizes.
class WeaveMix
{
public:
    // wideVectors = false keeps to the portable loops even where the
    // processor offers AVX2 (the result is the same).
    explicit WeaveMix(int ratio, bool wideVectors = true);

    int ratio() const noexcept { return m_ratio; }

    // Number of (pattern, base) pairs whose integer result is lowered by one.
    std::size_t correctionCount() const noexcept { return m_corrections; }

    // out[i] = mix(pattern[i], base[i]) for i < count. out must not overlap
    // either input.
    void apply(const quint8 *pattern, const quint8 *base, quint8 *out, std::size_t count) const;

private:
    bool lowered(unsigned pattern, unsigned base) const noexcept
    {
        const unsigned index = (pattern << 8) | base;
        return (m_lower[index >> 5] >> (index & 31u)) & 1u;
    }

    int m_ratio;
    std::size_t m_corrections = 0;
    bool m_useAvx2 = false;
    int m_gatherFrom = 3;
    // Bit (P << 8) | B is set where the integer form is one too high.
    std::array<std::uint32_t, 65536 / 32> m_lower{};
};

} // namespace weftara::engine
