#pragma once

#include <cmath>

namespace weftara::engine {

// Nearest integer, halves to the even neighbour, whatever the FPU rounding
// mode is. v - floor(v) is exact for every double that is not integral.
inline double roundHalfEven(double v) noexcept
{
    const double down = std::floor(v);
    const double fraction = v - down;
    if (fraction > 0.5)
        return down + 1.0;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

} // namespace weftara::engine
