#include "app/windowplacement.h"

#include "platform/twips.h"

#include <algorithm>
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

// The screen the window overlaps most; the first when it overlaps none.
QRect screenFor(const QRect &window, const QList<QRect> &screens)
{
    QRect best = screens.first();
    qint64 bestArea = 0;
    for (const QRect &screen : screens) {
        const QRect common = screen & window;
        const qint64 area = qint64(common.width()) * common.height();
        if (!common.isEmpty() && area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

WindowGeometry fitToScreens(const WindowGeometry &twips, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return twips;
    QRect window = WindowPlacement::toPixels(twips);
    if (window.width() > 0 && window.height() > 0 && screenFor(window, screens).contains(window))
        return twips;

    // A width or height of no pixel starts again from its default.
    WindowGeometry stated = twips;
    if (window.width() <= 0)
        stated.width = DefaultWindowGeometry.width;
    if (window.height() <= 0)
        stated.height = DefaultWindowGeometry.height;
    window = WindowPlacement::toPixels(stated);
    const QRect screen = screenFor(window, screens);
    const int width = std::min(window.width(), screen.width());
    const int height = std::min(window.height(), screen.height());
    const int left = std::clamp(window.left(), screen.left(), screen.left() + screen.width() - width);
    const int top = std::clamp(window.top(), screen.top(), screen.top() + screen.height() - height);
    // A value the fitting left alone stays exactly as stated.
    auto fitted = [](int pixels, int statedPixels, int statedTwips) {
        return pixels == statedPixels ? statedTwips : twipsOfPixels(pixels);
    };
    return {fitted(left, window.left(), stated.left), fitted(top, window.top(), stated.top),
            fitted(width, window.width(), stated.width), fitted(height, window.height(), stated.height)};
}

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
