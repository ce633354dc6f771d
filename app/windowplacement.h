#pragma once

#include "app/windowgeometry.h"

#include <QList>
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

// The geometry fitted to the screens, given by their available areas in
// pixels, so that the window opens wholly visible and usable: a width or
// height of no pixel takes its default, one larger than the screen is cut to
// the screen's, and a window not wholly on one screen is moved, as little as
// needed, onto the screen it overlaps most (the first screen when it
// overlaps none). A geometry that fits comes back exactly as it was.
WindowGeometry fitToScreens(const WindowGeometry &twips, const QList<QRect> &screens);

} // namespace weftara::app
