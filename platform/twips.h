#pragma once

#include "platform/numbertext.h"

#include <cstdint>

namespace weftara::platform {

// Window geometry is measured in twips (1/1440 inch); the screen has 96
// pixels per inch, so one pixel is 15 twips. Printing works in millimetres.
inline constexpr double TwipsPerPixel = 15.0;
inline constexpr double TwipsPerMillimetre = 1440.0 / 25.4; // 56.6929...

// Twips to whole pixels, to the nearest pixel (halves to even).
inline std::int32_t twipsToPixels(double twips)
{
    return roundToInt32(twips / TwipsPerPixel);
}

inline constexpr double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

inline constexpr double millimetresToTwips(double millimetres)
{
    return millimetres * TwipsPerMillimetre;
}

inline constexpr double twipsToMillimetres(double twips)
{
    return twips / TwipsPerMillimetre;
}

// Millimetres on paper to screen pixels, to the nearest pixel.
inline std::int32_t millimetresToPixels(double millimetres)
{
    return twipsToPixels(millimetresToTwips(millimetres));
}

} // namespace weftara::platform
