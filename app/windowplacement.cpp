#include "app/windowplacement.h"

#include "platform/twips.h"

#include <limits>

namespace weftara::app {

namespace {

int twipsOfPixels(int pixels)
{
    const double twips = platform::pixelsToTwips(pixels);
    if (twips > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (twips < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(twips);
}

} // namespace

QRect WindowPlacement::toPixels(const WindowGeometry &twips)
{
    return {platform::twipsToPixels(twips.left), platform::twipsToPixels(twips.top),
            platform::twipsToPixels(twips.width), platform::twipsToPixels(twips.height)};
}

QRect WindowPlacement::set(const WindowGeometry &twips)
{
    m_twips = twips;
    m_pixels = toPixels(twips);
    m_set = true;
    return m_pixels;
}

WindowGeometry WindowPlacement::twipsOf(const QRect &pixels) const
{
    if (m_set && pixels == m_pixels)
        return m_twips;
    return {twipsOfPixels(pixels.x()), twipsOfPixels(pixels.y()), twipsOfPixels(pixels.width()),
            twipsOfPixels(pixels.height())};
}

} // namespace weftara::app
