#pragma once

#include "app/windowgeometry.h"

#include <QRect>

namespace weftara::app {

// A window's geometry in twips, kept exactly as it was set for as long as
// the window stays at the pixels it was given, so that values read from the
// settings are written back unchanged and the layout works from them
// (13500 × 10700 twips stays that, although 10700 is no whole number of
// pixels). Once the window has been moved or resized, its twips are its
// pixels × 15.
class WindowPlacement
{
public:
    // Takes `twips` and returns the pixel rectangle to give the window.
    QRect set(const WindowGeometry &twips);

    // The geometry in twips of a window now at `pixels`.
    WindowGeometry twipsOf(const QRect &pixels) const;

    // Whole pixels for a rectangle in twips, each value rounded on its own.
    static QRect toPixels(const WindowGeometry &twips);

private:
    WindowGeometry m_twips;
    QRect m_pixels;
    bool m_set = false;
};

} // namespace weftara::app
