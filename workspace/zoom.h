#pragma once

#include <QSize>
#include <QString>

namespace weftara::workspace {

class Workspace;

// The largest zoom the slider offers, in percent.
inline constexpr double MaxZoomPercent = 500.0;

// The zoom percentage in Text4: its leading number, its magnitude at most
// MaxZoomPercent (a box set by a recipe may hold anything); 0 means no zoom.
double zoomPercent(const QString &text);

// The size of a picture of `unzoomed` size zoomed by `percent`: each side
// round(|side × percent / 100|), halves to even, and at least one pixel.
QSize zoomedSize(QSize unzoomed, double percent);

// Zooms the woven picture when tab 5 is selected, else the base picture
// (which drops the pattern picture). Both start from the unzoomed copy.
void MotoeZoom(Workspace &ws);
// Zooms the woven picture from its unzoomed copy Picture3(1).
void OrikomiZoom(Workspace &ws);

} // namespace weftara::workspace
