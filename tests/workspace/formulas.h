#pragma once

#include "workspacefixture.h"

#include <algorithm>
#include <cmath>

// The operations written straight from their formulas, independent of the
// engine, to compute what a picture must look like.
namespace weftara::testing::formula {

inline int clampByte(int v)
{
    return std::clamp(v, 0, 255);
}

inline int halfEven(double v)
{
    return int(std::nearbyint(v)); // the default rounding mode: halves to even
}

inline int mix(int pattern, int base, int ratio)
{
    const double r = ratio / 100.0;
    return int(std::floor(((1 - r) * pattern) + (base * r)));
}

inline QImage weave(const QImage &base, const QImage &pattern, int ratio)
{
    return mapPixels(base, [&](Bytes b, int x, int y) {
        const Bytes p = bytesAt(pattern, x, y);
        return Bytes{mix(p.blue, b.blue, ratio), mix(p.green, b.green, ratio),
                     mix(p.red, b.red, ratio), mix(p.unused, b.unused, ratio)};
    });
}

inline QImage shifted(const QImage &image, int amount)
{
    return mapPixels(image, [amount](Bytes b, int, int) {
        return Bytes{clampByte(b.blue + amount), clampByte(b.green + amount),
                     clampByte(b.red + amount), 0};
    });
}

} // namespace weftara::testing::formula
