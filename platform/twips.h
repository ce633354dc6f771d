#pragma once

#include "platform/numbertext.h"

#include <cstdint>

namespace weftara::platform {

// Window geometry is measured in twips (1/1440 inch); the screen has 96
// pixels per inch, so one pixel is 15 twips.
inline constexpr double TwipsPerPixel = 15.0;

// Twips to whole pixels, to the nearest pixel (halves to even).
inline std::int32_t twipsToPixels(double twips)
{
    return roundToInt32(twips / TwipsPerPixel);
}

inline constexpr double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace weftara::platform
